#include "MessageSend.h"

#include <cstdlib>

namespace runtime {

void abortOnMismatch(const std::string& message)
{
    runtimeError(message);
    std::abort();
}

[[gnu::cold]] void reportUnansweredMessage(id receiver, SEL selector)
{
    // A message nobody answers returns zero, like a message to nil, but the
    // platform says so: it is nearly always a missing piece of the stand-in.
    runtimeError(std::string(class_isMetaClass(receiver->isa) ? "+[" : "-[") + class_getName(receiver->isa) + " " + sel_getName(selector) + "]: unrecognized selector sent to instance");
}

void reportEncodingMismatch(id receiver, SEL selector, uint32_t methodEncoding, uint32_t callEncoding)
{
    std::string message = std::string("-[") + class_getName(receiver->isa) + " " + sel_getName(selector) + "]: sent with types \"" + encodingString(callEncoding) + "\" to a method of types \"" + encodingString(methodEncoding) + "\"";
#ifndef NDEBUG
    abortOnMismatch(message);
#else
    runtimeError(message + "; not called");
#endif
}

}
