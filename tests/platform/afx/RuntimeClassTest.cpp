#include "tests/platform/afx/AfxTest.h"

#include <memory>

namespace {

class CShape : public CCmdTarget {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CCmdTarget)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)

protected:
    CCircle() = default;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

// Not registered under its own name: looks like its base at run time.
class CUndeclared : public CCircle {};

using RuntimeClassTest = hb::afx::test::AfxTest;

TEST_F(RuntimeClassTest, ClassesAreFoundAndCreatedByName) {
    EXPECT_EQ(CRuntimeClass::FromName("CCircle"), RUNTIME_CLASS(CCircle));
    EXPECT_EQ(CRuntimeClass::FromName("CWnd"), RUNTIME_CLASS(CWnd));
    EXPECT_EQ(CRuntimeClass::FromName("ccircle"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CNothing"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);

    std::unique_ptr<CObject> circle(CRuntimeClass::CreateObject("CCircle"));
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->GetRuntimeClass(), RUNTIME_CLASS(CCircle));
    EXPECT_STREQ(circle->GetRuntimeClass()->m_lpszClassName, "CCircle");
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_pBaseClass, RUNTIME_CLASS(CShape));
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, static_cast<int>(sizeof(CCircle)));

    // A class without DECLARE_DYNCREATE cannot be made.
    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CShape"), nullptr);
}

TEST_F(RuntimeClassTest, KindAndDowncastFollowTheBaseChain) {
    std::unique_ptr<CObject> object(RUNTIME_CLASS(CCircle)->CreateObject());
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(object->IsKindOf(RUNTIME_CLASS(CWnd)));

    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, object.get()), object.get());
    EXPECT_EQ(DYNAMIC_DOWNCAST(CWnd, object.get()), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, nullptr), nullptr);

    CShape shape;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, &shape), nullptr);
    const CUndeclared undeclared;
    EXPECT_EQ(undeclared.GetRuntimeClass(), RUNTIME_CLASS(CCircle));
}

TEST_F(RuntimeClassTest, AModulesClassesAreKnownWhileItIsLoaded) {
    EXPECT_EQ(CRuntimeClass::FromName("CModuleTarget"), nullptr);
    const HMODULE module = LoadLibrary("HbAfxTestClasses.dll");
    ASSERT_TRUE(module);

    CRuntimeClass* loaded = CRuntimeClass::FromName("CModuleTarget");
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->IsDerivedFrom(RUNTIME_CLASS(CCmdTarget)));
    std::unique_ptr<CObject> object(loaded->CreateObject());
    ASSERT_NE(object, nullptr);
    EXPECT_NE(DYNAMIC_DOWNCAST(CCmdTarget, object.get()), nullptr);
    object.reset();

    FreeLibrary(module);
    EXPECT_EQ(CRuntimeClass::FromName("CModuleTarget"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CCircle"), RUNTIME_CLASS(CCircle));
}

} // namespace
