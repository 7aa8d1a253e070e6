#include "startup/modAPI.h"

#include <filesystem>
#include <system_error>

std::string DossierExecutable() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}
