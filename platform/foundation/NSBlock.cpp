#include "NSBlock.h"

#include "foundation/SystemLog.h"

namespace {

Class g_NSBlock;

NSBlock* makeEmpty()
{
    foundation::registerClasses();
    return static_cast<NSBlock*>(objc_autorelease(class_createInstance(g_NSBlock, 0)));
}

NSBlock* asBlock(id object)
{
    if (!object)
        return nullptr;
    if (!foundation::isKindOf(object, g_NSBlock)) {
        CFLog(kCFLogLevelError, "NSBlock: refused to run an object that is not a block");
        return nullptr;
    }
    return static_cast<NSBlock*>(object);
}

}

NSBlock* makeBlock(std::function<void()> body)
{
    NSBlock* block = makeEmpty();
    block->body = std::move(body);
    return block;
}

NSBlock* makeCompletionBlock(std::function<void(bool)> body)
{
    NSBlock* block = makeEmpty();
    block->bodyWithFlag = std::move(body);
    return block;
}

void invokeBlock(id object)
{
    if (auto* block = asBlock(object); block && block->body)
        block->body();
}

void invokeCompletionBlock(id object, bool finished)
{
    if (auto* block = asBlock(object); block && block->bodyWithFlag)
        block->bodyWithFlag(finished);
}

namespace foundation {

Class NSBlockClass() { return g_NSBlock; }

void registerNSBlock()
{
    g_NSBlock = runtime::defineClass("NSBlock", NSObjectClass(), runtime::makeInstance<NSBlock>);
}

}
