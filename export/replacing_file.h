// SPDX-License-Identifier: GPL-3.0-or-later
// An output file that replaces its predecessor only when it is complete: the bytes go to a file
// without a name (O_TMPFILE) in the target's folder; when the writer closes, the finished file
// gets a hidden name and is renamed over the target in one step. A crash (SIGKILL included) or an
// error that unwinds the writer leaves the old file as it was and no temporary file beside it;
// only a kill in the instant between the naming and the rename (two system calls) can leave the
// hidden name behind. Where the file system lacks O_TMPFILE (or /proc is missing, through which
// an unnamed file is named), the file is a hidden ".zav-XXXXXX" from the start: an error, the
// destructor and a signal handler that calls removeTemporaryFilesNow() remove it, SIGKILL or a
// power cut leaves it. A target that is a symbolic link is followed: the file it points to is
// replaced and the link stays. An existing target that this process may not write, or that has
// no write permission for anyone, is refused.
#pragma once

#include <cstdio>
#include <string>
#include <sys/types.h>

namespace zav {

class ReplacingFile {
public:
    enum class Failure { None, ReadOnly, CannotCreate };

    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile() { discard(); }

    /// Creates the temporary file beside the target `path` names; false when the target is
    /// read-only or the file cannot be created (failure() says which).
    bool open(const std::string& path);
    bool isOpen() const { return m_file != nullptr; }
    Failure failure() const { return m_failure; }
    /// The errno of the first failure since open() (EACCES, or EROFS on a read-only file system,
    /// for a target refused as read-only; ENOSPC for a full disk ...); 0 when nothing failed.
    int errorNumber() const { return m_errorNumber; }

    /// Writes the bytes as they are.
    void write(const std::string& bytes);

    /// A path by which another writer (a printer) may open the open temporary file and write it
    /// from its start, instead of write(); empty when nothing is open.
    std::string temporaryPath() const;

    /// Closes and puts the file in place of the target; false when anything failed on the way
    /// (the target is then as it was).
    bool close();

    /// Closes and removes the temporary file: the target stays as it was.
    void discard();

private:
    void fail(int error);
    int createNamed();
    bool giveName(int fd);
    void release();

    std::FILE* m_file = nullptr;
    int m_folder = -1;           // the target's folder, opened as a path
    int m_slot = -1;             // this file's entry in the table of named temporary files
    long long m_written = 0;     // bytes handed to the file so far
    long long m_flushedTo = 0;   // bytes whose writing to the disk has been started
    std::string m_folderPath;
    std::string m_targetName;    // the target's name within its folder
    std::string m_temporaryName; // the hidden name within the folder, once the file has one
    mode_t m_mode = 0;           // the permissions the target will have
    bool m_keepsOwner = false;   // whether the target's owner and group differ from this process's
    uid_t m_owner = 0;
    gid_t m_group = 0;
    bool m_failed = false;
    int m_errorNumber = 0;
    Failure m_failure = Failure::None;
};

/// How a finished file reaches the disk before it gets its name: fsync(2), with its return value
/// and errno. Tests put their own in its place (to see that it is called, and what its failure
/// does); null puts fsync back.
using FileSync = int (*)(int fd);
void setFileSync(FileSync sync);

/// Removes every named temporary file of an open ReplacingFile of this process at this moment
/// (the files of a file system without O_TMPFILE, and a finished file between its naming and its
/// rename): for a handler of SIGINT, SIGTERM or SIGHUP to call before _exit(). It is
/// async-signal-safe: it reads a fixed table of plain character arrays (up to 16 files; one
/// beyond them is not removed) and calls unlinkat(2) only, keeping errno.
void removeTemporaryFilesNow() noexcept;

/// The Slovak message of a file that could not be opened for writing, naming it.
std::string openFailureMessage(ReplacingFile::Failure failure, const std::string& name);
/// "Súbor „NAME“ sa nepodarilo zapísať.": writing or closing failed.
std::string notWrittenMessage(const std::string& name);
/// "Súbor „NAME“ sa nepodarilo vytvoriť.": a picture file that could not be made.
std::string notCreatedMessage(const std::string& name);

/// The file a path names for writing: a symbolic link followed to the file it points to (which
/// need not exist yet), any other path as it is.
std::string resolveWriteTarget(const std::string& path);

} // namespace zav
