#pragma once

#include "Format.h"
#include "NSString.h"

template <class Format, class... Args>
NSString* NSStringWithFormat(Format format, Args... args)
{
    return NSString::make(foundation::format(foundation::formatText(format), args...));
}
