# Pictures of the pages: `shot` writes a control's pixels (ID 0: the whole
# page) as PNG into the working folder, `expect pixel` reads one pixel, and
# `set` writes a field of the record that the color page's logo follows
# when the page is next painted.
shot 1024 "shot_main_banner.png"
shot 0 "shot_main_page.png"
expect pixel 1024 0 0 255 255 255     # the banner's white ground
expect pixel 1024 12 1 0 48 192       # the wordmark's blue ink
expect pixel 0 23 11 0 48 192         # the same pixel where the banner sits on the page
expect pixel 0 0 0 192 192 192        # the page's face around it
page color
expect pixel 1024 12 1 0 48 192       # color modes show the blue logo
set ColorMode 3
expect field ColorMode 3
page main
page color
expect pixel 1024 12 1 128 128 128    # monochrome: the gray logo
shot 1024 "shot_color_logo_gray.png"
ok
