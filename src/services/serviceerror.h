#pragma once

#include "store/apperror.h"

// A failure of a shared service (a device, a file).
class ServiceError : public AppError {
public:
    using AppError::AppError;
};
