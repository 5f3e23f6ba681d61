#include "xlsx_library.h"

#include <map>
#include <mutex>
#include <optional>

#include "text.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace zorvik::job {
namespace {

#if defined(_WIN32)
void* Open(const char* file) { return reinterpret_cast<void*>(LoadLibraryA(file)); }
void* Symbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
#else
void* Open(const char* file) { return dlopen(file, RTLD_NOW | RTLD_LOCAL); }
void* Symbol(void* library, const char* name) { return dlsym(library, name); }
#endif

template <typename Function>
bool Resolve(void* library, const char* name, Function& function, std::string& missing) {
    function = reinterpret_cast<Function>(Symbol(library, name));
    if (function == nullptr) missing = name;
    return function != nullptr;
}

struct Loaded {
    std::optional<XlsxLibrary> library;
    Text error;
};

Loaded Load(const char* file) {
    void* handle = Open(file);
    if (handle == nullptr)
        return {std::nullopt, Tr("Jobs", "Workbooks cannot be written: the library %1 is not installed.").With({file})};
    XlsxLibrary l{};
    std::string missing;
    const bool all = Resolve(handle, "workbook_new", l.workbook_new, missing) &&
                     Resolve(handle, "workbook_add_worksheet", l.workbook_add_worksheet, missing) &&
                     Resolve(handle, "workbook_add_format", l.workbook_add_format, missing) &&
                     Resolve(handle, "workbook_close", l.workbook_close, missing) &&
                     Resolve(handle, "format_set_bold", l.format_set_bold, missing) &&
                     Resolve(handle, "worksheet_write_string", l.worksheet_write_string, missing) &&
                     Resolve(handle, "worksheet_write_number", l.worksheet_write_number, missing) &&
                     Resolve(handle, "worksheet_set_column", l.worksheet_set_column, missing) &&
                     Resolve(handle, "worksheet_freeze_panes", l.worksheet_freeze_panes, missing) &&
                     Resolve(handle, "lxw_strerror", l.lxw_strerror, missing);
    if (!all)
        return {std::nullopt,
                Tr("Jobs", "Workbooks cannot be written: the library %1 has no %2.").With({file, missing})};
    return {l, {}};
}

}  // namespace

const char* const XlsxLibraryFile = ZORVIK_XLSXWRITER_FILE;

const XlsxLibrary* LoadXlsxLibrary(Text& error, const char* file) {
    // Once per file: the library stays loaded for the rest of the run.
    static std::mutex guard;
    static std::map<std::string, Loaded> loaded;
    const std::lock_guard<std::mutex> lock(guard);
    auto found = loaded.find(file);
    if (found == loaded.end()) found = loaded.emplace(file, Load(file)).first;
    error = found->second.error;
    return found->second.library ? &*found->second.library : nullptr;
}

}  // namespace zorvik::job
