// The component library's exception classes.
//
// The library reports file, picture, registry and form-description faults
// by throwing one of these; the application object catches them around
// every handler call and shows them (TApplication::ShowException).
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace tavrik::vcl {

// An exception that carries its message. Not std::runtime_error: that class
// keeps its message in the C++ library's older string, whose code would ship
// in the program only for it.
class MessageError : public std::exception {
public:
    explicit MessageError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

class Exception : public MessageError {
public:
    using MessageError::MessageError;
    std::string Message() const { return what(); }
};

// A file could not be opened (bitmaps, memo lines ...).
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A file was read but its content is not a picture we can decode.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// A form description could not be read; the message names the line.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// A component operation was refused (duplicate name, bad parent ...).
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A property was given a value outside its range.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list (TStrings, list box items).
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace tavrik::vcl
