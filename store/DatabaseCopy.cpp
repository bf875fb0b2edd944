#include "store/DatabaseCopy.h"

#include <unistd.h>

#include <system_error>

#include "store/Database.h"

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyFileName = "zelvaroCopia.mdb";
constexpr const char* kSidecars[] = {"", "-wal", "-shm", "-journal"};

fs::path withSuffix(const fs::path& file, const char* suffix) {
    return fs::path(file.string() + suffix);
}

void removeWithSidecars(const fs::path& file) {
    std::error_code ec;
    for (const char* suffix : kSidecars) fs::remove(withSuffix(file, suffix), ec);
}

}  // namespace

StoreRefusal copyGameDatabase(const fs::path& from, const fs::path& toFolder) {
    if (::access(from.c_str(), R_OK) != 0) return {StoreProblem::Unreadable, from};
    const fs::path copy = toFolder / kCopyFileName;
    // A copy left half-made by an earlier start is this folder's own leftover.
    removeWithSidecars(copy);
    std::error_code ec;
    fs::copy_file(from, copy, ec);
    const fs::path log = withSuffix(from, "-wal");
    if (!ec && fs::exists(log)) fs::copy_file(log, withSuffix(copy, "-wal"), ec);
    if (ec) {
        removeWithSidecars(copy);
        return {StoreProblem::CopyFailed, toFolder};
    }
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, ec);

    StoreRefusal refusal;
    try {
        // Opened and closed once: checked, brought to this version, and its log folded in.
        Database check;
        refusal = openGameDatabase(check, copy);
        check.close();
    } catch (const DatabaseError&) {
        refusal = {StoreProblem::CopyFailed, toFolder};
    }
    if (refusal.problem != StoreProblem::None) {
        removeWithSidecars(copy);
        if (refusal.named == copy) refusal.named = from;  // what is wrong is the original's
        return refusal;
    }
    // The game's name comes last, with any log that the close did not fold in.
    const fs::path file = toFolder / Database::kFileName;
    if (fs::exists(withSuffix(copy, "-wal")))
        fs::rename(withSuffix(copy, "-wal"), withSuffix(file, "-wal"), ec);
    if (!ec) fs::rename(copy, file, ec);
    if (ec) {
        removeWithSidecars(file);
        removeWithSidecars(copy);
        return {StoreProblem::CopyFailed, toFolder};
    }
    fs::remove(withSuffix(copy, "-shm"), ec);
    return {};
}

}  // namespace zelvaro
