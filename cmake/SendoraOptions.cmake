# One place for the compile options every target of ours shares.
add_library(sendora_options INTERFACE)
target_compile_features(sendora_options INTERFACE cxx_std_20)
target_compile_options(sendora_options INTERFACE
    -Wall -Wextra -Wpedantic -Woverloaded-virtual -Wnon-virtual-dtor)
target_compile_definitions(sendora_options INTERFACE
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_FOREACH
    QT_USE_QSTRINGBUILDER
    QT_STRICT_ITERATORS
    QT_DISABLE_DEPRECATED_UP_TO=0x060000
    SENDORA_VERSION="${PROJECT_VERSION}")
target_include_directories(sendora_options INTERFACE ${CMAKE_SOURCE_DIR}/src)
