# add_gauge_module: declares a gauge module once. Natively it builds <module>.so for the
# host with its bitmaps in the .gauge_bitmaps section; with the MinGW toolchain file it
# builds <module>.gau with its bitmaps as BITMAP resources.
#
#   add_gauge_module(TARGET asi MODULE QT.SM-008
#                    SOURCES asi_gauge.cpp asi_needle.cpp
#                    ARTWORK asi_art BITMAPS 1000 2000)
#
# ARTWORK is the program that draws the bitmaps: `ARTWORK OUTDIR` writes OUTDIR/<id>.bmp
# for each hexadecimal id in BITMAPS.
function(add_gauge_module)
  cmake_parse_arguments(G "" "TARGET;MODULE;ARTWORK" "SOURCES;BITMAPS;LIBRARIES" ${ARGN})
  add_library(${G_TARGET} SHARED ${G_SOURCES})
  target_link_libraries(${G_TARGET} PRIVATE gauge_frame ${G_LIBRARIES})
  set_target_properties(${G_TARGET} PROPERTIES
    OUTPUT_NAME ${G_MODULE} PREFIX ""
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIR})

  if(WIN32)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${G_MODULE}.rc)
    set(rc_text "")
    foreach(id ${G_BITMAPS})
      math(EXPR number "0x${id}" OUTPUT_FORMAT DECIMAL)
      set(rc_text "${rc_text}${number} BITMAP \"${GAUGE_BITMAP_DIR}/${G_MODULE}/${id}.bmp\"\n")
    endforeach()
    file(WRITE ${rc} "${rc_text}")
    target_sources(${G_TARGET} PRIVATE ${rc} ${CMAKE_SOURCE_DIR}/frame/exports.def)
    set_target_properties(${G_TARGET} PROPERTIES SUFFIX ".gau")
    target_link_options(${G_TARGET} PRIVATE -static -static-libgcc -static-libstdc++)
  else()
    set(bitmap_dir ${CMAKE_BINARY_DIR}/bitmaps/${G_MODULE})
    set(bitmaps "")
    set(pack_args "")
    foreach(id ${G_BITMAPS})
      list(APPEND bitmaps ${bitmap_dir}/${id}.bmp)
      list(APPEND pack_args 0x${id}=${bitmap_dir}/${id}.bmp)
    endforeach()
    add_custom_command(OUTPUT ${bitmaps}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${bitmap_dir}
      # Fontconfig keeps caches to the end of the process; they are no leak of ours.
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:${G_ARTWORK}> ${bitmap_dir}
      DEPENDS ${G_ARTWORK}
      COMMENT "Drawing the bitmaps of ${G_MODULE}")
    set(pack ${CMAKE_CURRENT_BINARY_DIR}/${G_MODULE}.pack)
    add_custom_command(OUTPUT ${pack}
      COMMAND resource_pack ${pack} ${pack_args}
      DEPENDS ${bitmaps} resource_pack)
    add_custom_target(${G_TARGET}_bitmaps DEPENDS ${pack})
    add_dependencies(${G_TARGET} ${G_TARGET}_bitmaps)
    target_compile_options(${G_TARGET} PRIVATE -fno-gnu-unique)
    target_link_options(${G_TARGET} PRIVATE
      -Wl,--version-script=${CMAKE_SOURCE_DIR}/frame/exports.map -Wl,--no-undefined)
    set_property(TARGET ${G_TARGET} APPEND PROPERTY LINK_DEPENDS ${pack} ${CMAKE_SOURCE_DIR}/frame/exports.map)
    # The bitmaps travel in a section of their own, loaded by no one and named by no symbol.
    add_custom_command(TARGET ${G_TARGET} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --add-section .gauge_bitmaps=${pack}
              --set-section-flags .gauge_bitmaps=noload,readonly $<TARGET_FILE:${G_TARGET}>)
  endif()
endfunction()
