#pragma once

#include <QString>

// The runtime error numbers the program reports, with the Japanese
// descriptions users of the original platform know them by.
namespace runtime_error {

enum Number : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    OutOfStackSpace = 28,
    InternalError = 51,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    DeviceIoError = 57,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ObjectVariableNotSet = 91,
    InvalidPropertyValue = 380,
    InvalidPicture = 481,
};

// The description for an error number; unknown numbers get the generic
// application-defined text.
QString description(int number);

}  // namespace runtime_error
