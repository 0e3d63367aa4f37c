#include "app/OperatorContext.h"

OperatorContext& OperatorContext::current()
{
    static OperatorContext context;
    return context;
}
