#pragma once

#include "store/apperror.h"

// A print that cannot go on.
class PrintError : public AppError {
public:
    using AppError::AppError;
};
