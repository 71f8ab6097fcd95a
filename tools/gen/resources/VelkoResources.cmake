# velko_compile_resources(TARGET DESCRIPTION HEADER FUNCTION): compiles a
# module's resource description with velko_rc at build time and adds the
# generated source to TARGET. The source lands in the build tree only.
function(velko_compile_resources target description header function)
  get_filename_component(stem ${description} NAME_WE)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(out ${CMAKE_BINARY_DIR}/generated/${rel}/${stem}_resources.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/${rel}
    COMMAND velko_rc --input ${description} --output ${out} --header ${header} --function ${function}
    DEPENDS velko_rc ${description}
    COMMENT "Compiling resources ${description}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
