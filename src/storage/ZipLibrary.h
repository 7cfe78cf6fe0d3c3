#pragma once

#include <QString>

#include <zip.h>

namespace korvex {

// The functions of libzip the ZIP export uses. The library is loaded when the first archive
// is written, not when the program starts: it brings libcrypto with it, whose loading and
// relocation would cost every start a few milliseconds for an export few sessions use.
struct ZipLibrary {
    decltype(&zip_open) open;
    decltype(&zip_close) close;
    decltype(&zip_discard) discard;
    decltype(&zip_source_file) sourceFile;
    decltype(&zip_source_free) sourceFree;
    decltype(&zip_file_add) fileAdd;
    decltype(&zip_strerror) strerror;
    decltype(&zip_error_init_with_code) errorInitWithCode;
    decltype(&zip_error_strerror) errorStrerror;
    decltype(&zip_error_fini) errorFini;
};

// libzip, loaded once; null, with `error` saying why, when it cannot be loaded.
const ZipLibrary* zipLibrary(QString* error);

} // namespace korvex
