// SPDX-License-Identifier: GPL-3.0-or-later
// An output file that replaces its predecessor only when it is complete: the bytes go to a
// temporary file in the target's folder, which is renamed over the target when the writer closes.
// A crash, or an error that unwinds the writer, leaves the old file as it was and no temporary
// file beside it. A target that is a symbolic link is followed: the file it points to is replaced
// and the link stays. An existing target that its permissions keep from being written is refused.
#pragma once

#include <cstdio>
#include <string>

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

    /// Writes the bytes as they are.
    void write(const std::string& bytes);

    /// Closes and puts the file in place of the target; false when anything failed on the way
    /// (the target is then as it was).
    bool close();

    /// Closes and removes the temporary file: the target stays as it was.
    void discard();

private:
    std::FILE* m_file = nullptr;
    long long m_written = 0;   // bytes handed to the file so far
    long long m_flushedTo = 0; // bytes whose writing to the disk has been started
    std::string m_target;
    std::string m_temporaryPath;
    bool m_failed = false;
    Failure m_failure = Failure::None;
};

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
