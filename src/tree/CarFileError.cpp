#include "tree/CarFileError.h"

#include <cerrno>

namespace rw {

namespace {

class Category : public std::error_category {
public:
    const char* name() const noexcept override { return "car file"; }
    std::string message(int value) const override {
        switch (static_cast<CarFileError>(value)) {
            case CarFileError::NotRegularFile:
                return "not a regular file";
            case CarFileError::TooLarge:
                return "larger than a car file may be";
            case CarFileError::TooManyLines:
                return "more lines than a car file may have";
        }
        return "unknown error";
    }
};

}  // namespace

const std::error_category& CarFileCategory() {
    static const Category category;
    return category;
}

std::error_code make_error_code(CarFileError error) {
    return {static_cast<int>(error), CarFileCategory()};
}

std::error_code LastSystemError() {
    return {errno, std::generic_category()};
}

}  // namespace rw
