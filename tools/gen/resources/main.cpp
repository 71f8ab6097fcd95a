// velko_rc: compiles a module's resource description into a C++ source.
//
//   velko_rc --input velko_ui.res.json --output velko_ui_resources.cpp
//            --header ui/resources/velko_ui_resources.h --function VelkoUiResources
//
// Exit status: 0 done, 1 the description is faulty or a file could not be
// read or written (the message names the file and the place), 2 bad usage.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "tools/gen/resources/description.h"
#include "tools/gen/resources/emit_cpp.h"

namespace {

using velko::resgen::DescriptionError;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the file");
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Writes beside the target and renames, so a failed run never leaves a
// half-written source for the build to pick up.
void WriteFileAtomically(const std::filesystem::path& path, const std::string& text) {
  const std::filesystem::path tmp = path.string() + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out || !(out << text) || !out.flush()) throw std::runtime_error("cannot write " + tmp.string());
  }
  std::filesystem::rename(tmp, path);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Compiles a module's resource description (.res.json) into a C++ source"};
  std::string input, output;
  velko::resgen::EmitOptions options;
  app.add_option("--input", input, "the description, UTF-8 JSON")->required();
  app.add_option("--output", output, "the C++ source to write")->required();
  app.add_option("--header", options.header, "include path of the header that declares the function")->required();
  app.add_option("--function", options.function, "name of the generated accessor in velko::res")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? 0 : 2;
  }

  options.source_name = std::filesystem::path(input).filename().string();
  try {
    const std::string text = ReadFile(input);
    nlohmann::json doc;
    try {
      doc = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
      throw DescriptionError(std::string("not valid JSON: ") + e.what());
    }
    const velko::resgen::Module module = velko::resgen::CompileDescription(doc);
    WriteFileAtomically(output, velko::resgen::EmitCpp(module, options));
  } catch (const std::exception& e) {
    std::cerr << "velko_rc: " << input << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
