#pragma once
// Run-time errors with the numbers the messages show ("(Error code:" n ")").
#include <QString>
#include <exception>

enum ErrNo : int {
    ErrInvalidArgument = 5,
    ErrOverflow = 6,
    ErrIndexOutOfRange = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrPastEndOfFile = 62,
    ErrFileAccess = 75,   // path/file access error (cannot open, write or rename)
};

// The standard description of an error number, as the messages show it.
QString ErrorDescription(int number);

class QvError : public std::exception {
public:
    explicit QvError(int number, QString description = {});
    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return "QvError"; }

private:
    int number_;
    QString description_;
};

[[noreturn]] void RaiseError(int number, const QString& description = {});
