#pragma once
#include "platform/afx/CObject.h"

class Object;

// Carries a scanning object to the views' OnUpdate as its hint object.
class CObjectHint : public CObject {
    DECLARE_DYNAMIC(CObjectHint)

public:
    explicit CObjectHint(Object* object) : m_object(object) {}

    Object* object() const { return m_object; }
    // The object a hint carries, or null.
    static Object* ObjectOf(CObject* hint);

private:
    Object* m_object;
};
