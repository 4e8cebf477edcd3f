#pragma once

#include <stdexcept>
#include <string>

namespace rt {

// Common base of every error the program raises; the message is the complete text shown to the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};

// An index outside its range.
class ERangeError : public Exception {
    using Exception::Exception;
};

// A text that is not a number.
class EConvertError : public Exception {
    using Exception::Exception;
};

// An object used as a class it is not.
class EInvalidCast : public Exception {
public:
    EInvalidCast() : Exception("Invalid class typecast") {}
    using Exception::Exception;
};

// A file that cannot be opened for reading.
class EFOpenError : public Exception {
public:
    static EFOpenError ForFile(const std::string& path);
    using Exception::Exception;
};

// A file that cannot be created or written.
class EWriteError : public Exception {
public:
    static EWriteError ForFile(const std::string& path);
    using Exception::Exception;
};

// Floating-point faults: raised explicitly, never left as an infinity or NaN.
class EMathError : public Exception {
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

// printf-style "%s"/"%d" filling for the fixed message texts.
std::string FormatMessage(const std::string& pattern, const std::string& value);
std::string FormatMessage(const std::string& pattern, long long value);

}  // namespace rt
