#include "StoreErrors.h"

EStoreError::EStoreError(const QString& message) : std::runtime_error(message.toStdString()) {}
