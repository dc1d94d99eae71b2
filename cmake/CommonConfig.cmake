# One place for the language level, warnings and Qt's strict defines.
# Every target of the project links velumo_common.
option(VELUMO_WERROR "Treat compiler warnings as errors" OFF)

add_library(velumo_common INTERFACE)
target_compile_features(velumo_common INTERFACE cxx_std_20)
target_compile_options(velumo_common INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    $<$<BOOL:${VELUMO_WERROR}>:-Werror>)
target_compile_definitions(velumo_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)
target_include_directories(velumo_common INTERFACE ${PROJECT_SOURCE_DIR})

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

# Sanitizer build: every target, the tools run during the build included, is compiled and linked
# with AddressSanitizer and UndefinedBehaviorSanitizer, so each program carries the runtimes
# once and the libraries can be shared by the tests and the fuzz targets of the same tree.
# The fuzz targets need it, so VELUMO_FUZZ turns it on.
option(VELUMO_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELUMO_FUZZ "Build the libFuzzer targets (needs clang; implies VELUMO_SANITIZE)" OFF)
if(VELUMO_FUZZ AND NOT VELUMO_SANITIZE)
    set(VELUMO_SANITIZE ON CACHE BOOL "" FORCE)
endif()
if(VELUMO_SANITIZE)
    set(VELUMO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${VELUMO_SANITIZER_FLAGS})
    add_link_options(${VELUMO_SANITIZER_FLAGS})
endif()
