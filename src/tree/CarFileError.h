#pragma once

#include <string>
#include <system_error>

namespace rw {

// Reasons of our own, beside the system's, why a file is refused.
enum class CarFileError {
    NotRegularFile = 1,  // a folder, device, FIFO or socket
    TooLarge,            // more than kMaxCarFileSize bytes
    TooManyLines,        // more than kMaxCarFileLines lines
};

const std::error_category& CarFileCategory();
std::error_code make_error_code(CarFileError error);

// The error of the last failed system call.
std::error_code LastSystemError();

}  // namespace rw

template <>
struct std::is_error_code_enum<rw::CarFileError> : std::true_type {};
