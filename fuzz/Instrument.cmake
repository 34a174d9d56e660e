# The fuzz build (RPQ_FUZZ=ON): coverage for libFuzzer and the address and undefined-behaviour
# sanitizers in every library the targets link, any report ending the run.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "RPQ_FUZZ needs clang and its libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++ (scripts/fuzz.sh does)")
endif()
# Indexing past a std::vector or a QList ends the run too, not only past its allocation.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
                    -D_GLIBCXX_ASSERTIONS -DQT_FORCE_ASSERTS)
add_link_options(-fsanitize=address,undefined)
