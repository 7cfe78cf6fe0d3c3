#include "storage/ZipLibrary.h"

#include <QLibrary>

#include <memory>
#include <optional>
#include <type_traits>

namespace korvex {

namespace {

struct Loaded {
    // Kept until the program ends; a QLibrary does not unload its library when destroyed, so
    // the functions stay valid to the last.
    std::unique_ptr<QLibrary> library;
    std::optional<ZipLibrary> functions;
    QString error;
};

Loaded load() {
    Loaded loaded;
    loaded.library = std::make_unique<QLibrary>(QStringLiteral(KORVEX_LIBZIP_SONAME));
    QLibrary* library = loaded.library.get();
    if (!library->load()) {
        loaded.error = QStringLiteral("The ZIP library (%1) could not be loaded: %2")
                           .arg(QStringLiteral(KORVEX_LIBZIP_SONAME), library->errorString());
        return loaded;
    }
    ZipLibrary zip{};
    bool complete = true;
    const auto resolve = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            library->resolve(name));
        if (function == nullptr && complete) {
            complete = false;
            loaded.error = QStringLiteral("The ZIP library (%1) lacks the function %2.")
                               .arg(QStringLiteral(KORVEX_LIBZIP_SONAME), QLatin1String(name));
        }
    };
    resolve(zip.open, "zip_open");
    resolve(zip.close, "zip_close");
    resolve(zip.discard, "zip_discard");
    resolve(zip.sourceFile, "zip_source_file");
    resolve(zip.sourceFree, "zip_source_free");
    resolve(zip.fileAdd, "zip_file_add");
    resolve(zip.strerror, "zip_strerror");
    resolve(zip.errorInitWithCode, "zip_error_init_with_code");
    resolve(zip.errorStrerror, "zip_error_strerror");
    resolve(zip.errorFini, "zip_error_fini");
    if (complete)
        loaded.functions = zip;
    return loaded;
}

} // namespace

const ZipLibrary* zipLibrary(QString* error) {
    static const Loaded loaded = load(); // thread-safe, once
    if (!loaded.functions) {
        if (error)
            *error = loaded.error;
        return nullptr;
    }
    return &*loaded.functions;
}

} // namespace korvex
