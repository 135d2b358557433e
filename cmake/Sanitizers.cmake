if(SANITIZE)
  string(REPLACE ";" "," _veltra_san "${SANITIZE}")
  add_compile_options(-fsanitize=${_veltra_san} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_veltra_san})
  # GCC's flow analysis sees through the sanitizer checks badly and reports
  # uninitialised members inside libstdc++ (std::regex); plain builds keep
  # the warning.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()
