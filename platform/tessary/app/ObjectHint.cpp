#include "platform/tessary/app/ObjectHint.h"

IMPLEMENT_DYNAMIC(CObjectHint, CObject)

Object* CObjectHint::ObjectOf(CObject* hint) {
    const auto* carrier = DYNAMIC_DOWNCAST(CObjectHint, hint);
    return carrier ? carrier->object() : nullptr;
}
