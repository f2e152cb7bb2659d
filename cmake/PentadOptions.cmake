# Common compile settings shared by every Pentad target.
add_library(pentad_options INTERFACE)
target_compile_features(pentad_options INTERFACE cxx_std_20)
target_compile_options(pentad_options INTERFACE -Wall -Wextra -Wpedantic)
if(PENTAD_WERROR)
    target_compile_options(pentad_options INTERFACE -Werror)
endif()
target_compile_definitions(pentad_options INTERFACE
    PENTAD_VERSION_TEXT="${PROJECT_VERSION}")
# GCC 12 reports false -Wrestrict warnings inside std::string at -O3 (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(pentad_options INTERFACE -Wno-restrict)
endif()
