// A disk that fills up on demand: an SQLite file system laid over the real one that lets
// only so many more bytes be written, then answers every write with "disk full". Installed
// as the default, it serves every connection opened afterwards, the game's own included.
#pragma once

#include <sqlcipher/sqlite3.h>

#include <cstring>

namespace zelvaro::testsupport {

class FailingDisk {
public:
    // Installs the file system once; every disk starts without a limit.
    FailingDisk() {
        static const bool installed = install();
        (void)installed;
        budget() = -1;
    }
    ~FailingDisk() { budget() = -1; }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    // From now on only `bytes` more bytes can be written; -1 lifts the limit.
    void allowOnly(long long bytes) { budget() = bytes; }
    bool full() const { return budget() == 0; }

private:
    struct File {
        sqlite3_file base;
        sqlite3_file* real;  // the real file, stored right behind this header
    };

    static long long& budget() {
        static long long bytes = -1;
        return bytes;
    }
    static sqlite3_vfs*& realVfs() {
        static sqlite3_vfs* vfs = nullptr;
        return vfs;
    }
    static sqlite3_file* real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }

    static int write(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
        long long& left = budget();
        if (left >= 0) {
            if (amount > left) {
                left = 0;
                return SQLITE_FULL;
            }
            left -= amount;
        }
        return real(f)->pMethods->xWrite(real(f), data, amount, offset);
    }

    static const sqlite3_io_methods* methods() {
        static const sqlite3_io_methods m = {
            3,
            [](sqlite3_file* f) {
                const int rc = real(f)->pMethods ? real(f)->pMethods->xClose(real(f)) : SQLITE_OK;
                f->pMethods = nullptr;
                return rc;
            },
            [](sqlite3_file* f, void* p, int n, sqlite3_int64 o) {
                return real(f)->pMethods->xRead(real(f), p, n, o);
            },
            write,
            [](sqlite3_file* f, sqlite3_int64 size) {
                return real(f)->pMethods->xTruncate(real(f), size);
            },
            [](sqlite3_file* f, int flags) { return real(f)->pMethods->xSync(real(f), flags); },
            [](sqlite3_file* f, sqlite3_int64* size) {
                return real(f)->pMethods->xFileSize(real(f), size);
            },
            [](sqlite3_file* f, int lock) { return real(f)->pMethods->xLock(real(f), lock); },
            [](sqlite3_file* f, int lock) { return real(f)->pMethods->xUnlock(real(f), lock); },
            [](sqlite3_file* f, int* out) {
                return real(f)->pMethods->xCheckReservedLock(real(f), out);
            },
            [](sqlite3_file* f, int op, void* arg) {
                return real(f)->pMethods->xFileControl(real(f), op, arg);
            },
            [](sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); },
            [](sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); },
            [](sqlite3_file* f, int page, int size, int extend, void volatile** out) {
                return real(f)->pMethods->xShmMap(real(f), page, size, extend, out);
            },
            [](sqlite3_file* f, int offset, int n, int flags) {
                return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
            },
            [](sqlite3_file* f) { real(f)->pMethods->xShmBarrier(real(f)); },
            [](sqlite3_file* f, int remove) {
                return real(f)->pMethods->xShmUnmap(real(f), remove);
            },
            [](sqlite3_file* f, sqlite3_int64 o, int n, void** out) {
                return real(f)->pMethods->xFetch(real(f), o, n, out);
            },
            [](sqlite3_file* f, sqlite3_int64 o, void* p) {
                return real(f)->pMethods->xUnfetch(real(f), o, p);
            },
        };
        return &m;
    }

    static bool install() {
        static sqlite3_vfs vfs;
        realVfs() = sqlite3_vfs_find(nullptr);
        std::memcpy(&vfs, realVfs(), sizeof vfs);
        vfs.zName = "failing-disk";
        vfs.szOsFile = static_cast<int>(sizeof(File)) + realVfs()->szOsFile;
        vfs.pNext = nullptr;
        vfs.xOpen = [](sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
            auto* file = reinterpret_cast<File*>(f);
            file->real = reinterpret_cast<sqlite3_file*>(file + 1);
            f->pMethods = nullptr;
            const int rc = realVfs()->xOpen(realVfs(), name, file->real, flags, outFlags);
            if (rc == SQLITE_OK && file->real->pMethods != nullptr) f->pMethods = methods();
            return rc;
        };
        return sqlite3_vfs_register(&vfs, 1) == SQLITE_OK;
    }
};

}  // namespace zelvaro::testsupport
