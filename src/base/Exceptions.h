// The one exception hierarchy of qbx: every error raised by the system carries a message.
#pragma once

#include <stdexcept>
#include <string>

namespace qbx {

// Base of all qbx errors; `what()` is the full message shown to the user.
class Exception : public std::runtime_error
{
public:
    explicit Exception(const std::string& message)
        : std::runtime_error(message)
    {
    }
    std::string Message() const { return what(); }
};

// A value could not be turned into the requested kind (text to number, variant kinds, ...).
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// An index or position outside a list or string.
class EListError : public Exception
{
public:
    using Exception::Exception;
};

// A file could not be opened, read or written; the message names the file.
class EFileError : public Exception
{
public:
    using Exception::Exception;
};

// The operation exists in the command set but is not built yet; never a silent success.
class ENotAvailable : public Exception
{
public:
    using Exception::Exception;
};

// The running platform cannot do what was asked (for example automation objects on Linux).
class ENotSupported : public Exception
{
public:
    using Exception::Exception;
};

} // namespace qbx
