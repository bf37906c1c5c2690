#include "platform/tessary/app/LockMapEdit.h"

#include "platform/tessary/app/NoticeTemplate.h"

IMPLEMENT_DYNAMIC(CLockMapEdit, CDialog)

namespace {

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog =
        hb::tessary::NoticeTemplate("Lock Out Map", "The steps of this range locked out.");
    return dialog;
}

} // namespace

CLockMapEdit::CLockMapEdit(Object* range, Radio* radio, CObjectDoc* doc, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_range(range), m_radio(radio), m_doc(doc) {}
