# Delay-import libraries: system libraries that the start does not need are loaded at
# their first call instead of with the program (the common dialogs, the shell and the
# version functions, which only commands use, and the transparent copy of bitmaps,
# first used when the main window is drawn, after it answers), so that starting the
# program does not map them and the libraries they pull in. cmake/delay/NAME.def
# lists the functions used; a function missing there is taken from the ordinary
# import library linked after it.
set(delay_dir ${CMAKE_BINARY_DIR}/delay)
set(delay_libs)
set(delay_link_options)
foreach(name comdlg32 shell32 version msimg32)
  set(def ${CMAKE_SOURCE_DIR}/cmake/delay/${name}.def)
  set(lib ${delay_dir}/lib${name}_delay.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${delay_dir}
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${def} --dllname ${name}.dll
            --output-delaylib ${lib}
    DEPENDS ${def} VERBATIM)
  list(APPEND delay_libs ${lib})
  # ld drops the jump stubs of an import library whose functions are called only
  # through their __imp_ pointers; a delay import's pointer starts at its stub, so
  # every stub is kept (i686 names carry a leading underscore).
  file(STRINGS ${def} exports REGEX "^[A-Za-z_][A-Za-z0-9_]*@[0-9]+$")
  foreach(export ${exports})
    list(APPEND delay_link_options "-Wl,--undefined=_${export}")
  endforeach()
endforeach()
add_custom_target(delay_imports DEPENDS ${delay_libs})
