// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace sb {

// Why something did not happen. System is a refusal of the operating system, with its errno;
// every other code is a decision of this program, which a caller branches on without asking
// what an errno might stand for.
enum class StatusCode : std::uint8_t {
    Ok,
    System,      // the system refused: error() says why
    NotOpen,     // the class file is not open (it could not be read)
    ClassFull,   // the class file counts no more pupils
    NameTaken,   // results are kept under the new name already
    InUse,       // another copy of the program holds it (a lock, a database) and did not let go
    TakenOver,   // another process took this process's lock
    Removed,     // another copy of the program removed the pupil meanwhile
    Unreadable,  // the file is there but could not be read: what it holds was never seen
    Kept,        // not written, since it holds what this run could not read
    Missing,     // nothing there (and nothing was to be made)
    Damaged,     // there, but not a file this program can use
    Newer,       // made by a newer version of the program: read, never written
    LinkOut,     // a symbolic link out of the data folder, or a file with a second name (a hard
                 // link) where it would be written in place: left as it is, never written
    Unreachable, // the data folder itself is not there (removed, or its share gone)
};

// How a call ended: ok, or the code that says why not. True when it worked, so that
// `if (!files.writeAt(...))` reads as "when the write failed".
class [[nodiscard]] Status {
public:
    Status() = default;
    // The system's error (an errno value; 0 is taken for EIO: something failed).
    static Status fail(int error) { return Status(StatusCode::System, error == 0 ? EIO : error); }
    // A refusal of this program.
    static Status refuse(StatusCode code)
    {
        return code == StatusCode::Ok || code == StatusCode::System ? fail(0) : Status(code, 0);
    }
    bool ok() const { return m_code == StatusCode::Ok; }
    explicit operator bool() const { return ok(); }
    StatusCode code() const { return m_code; }
    // The errno value when the system refused, 0 otherwise.
    int error() const { return m_error; }
    // The system's own words for its error ("No space left on device"); empty for a refusal of
    // this program, which its caller puts into words.
    bool operator==(const Status&) const = default;
    std::string message() const
    {
        return m_code == StatusCode::System ? std::generic_category().message(m_error)
                                            : std::string();
    }

private:
    Status(StatusCode code, int error) : m_code(code), m_error(error) {}
    StatusCode m_code = StatusCode::Ok;
    int m_error = 0;
};

// A value, or the Status that says why there is none. Reads like std::optional.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status why) : m_status(why.ok() ? Status::fail(0) : why) {}
    bool has_value() const { return m_value.has_value(); }
    explicit operator bool() const { return has_value(); }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    Status status() const { return m_status; }

private:
    std::optional<T> m_value;
    Status m_status;
};

} // namespace sb
