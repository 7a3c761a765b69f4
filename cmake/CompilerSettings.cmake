# Compiler settings shared by every target of the project.
add_library(vorelan_settings INTERFACE)
target_compile_options(vorelan_settings INTERFACE -Wall -Wextra -Wpedantic)
if(VORELAN_WERROR)
  target_compile_options(vorelan_settings INTERFACE -Werror)
endif()
if(VORELAN_SANITIZE)
  target_compile_options(vorelan_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(vorelan_settings INTERFACE -fsanitize=address,undefined)
endif()
if(VORELAN_FUZZ)
  # Coverage for libFuzzer in every library, and the sanitizers that turn a
  # fault into a report; the fuzz targets link libFuzzer's main themselves.
  target_compile_options(vorelan_settings INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(vorelan_settings INTERFACE -fsanitize=address,undefined)
endif()
