# The sanitizer build (RPQ_SANITIZE=ON, scripts/test.sh --sanitize): every library, test and
# program built with the address and undefined-behaviour sanitizers; an undefined-behaviour report
# ends the process like a memory fault does, so a test that triggers one fails. Indexing past a
# std::vector's size is caught too, not only past its allocation.
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
                    -D_GLIBCXX_ASSERTIONS)
add_link_options(-fsanitize=address,undefined)
