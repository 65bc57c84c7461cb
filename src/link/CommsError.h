#pragma once

#include "commands/HandlerError.h"

// A serial port that cannot be opened.
class CommsError : public HandlerError
{
public:
    using HandlerError::HandlerError;
};
