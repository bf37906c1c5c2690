#include "programming/ChangeRadioType.h"

#include "platform/afx/CDocument.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CView.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"

namespace hb::programming {

void ChangeRadioType(CView& view, CDocument& doc, std::uint8_t current, bool warnFixed,
                     const std::function<void(const Radio& model)>& store) {
    const std::unique_ptr<Radio> model = Radio::SelectRadio(nullptr, 0, 0);
    if (!model || model->RadioTypeCode() == current) {
        return;
    }
    MessageBeep(MB_ICONASTERISK);
    CString text;
    text.Format("Press OK to change the associated radio to %s. If you press OK, the file will be "
                "saved. The radio type will be changed the next time you open this file.",
                model->name());
    CString caption;
    caption.Format("Change Radio Type - %s to %s", doc.GetTitle().GetString(), model->name());
    if (::MessageBox(view.m_hWnd, text, caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        return;
    }
    if (warnFixed && (model->organisationFlags() & Radio::kOrganisationFixed)) {
        text.Format("The %s radio requires a fixed channel and bank organization. If you press OK, "
                    "the number of channels and banks will be changed to match the requirements "
                    "of the new radio type. This may result in data loss if there are more "
                    "channels or banks than the %s has. Please make a back-up copy of this group "
                    "before proceding!",
                    model->name(), model->name());
        if (::MessageBox(view.m_hWnd, text, "Warning: Possible Data Loss",
                         MB_OKCANCEL | MB_ICONHAND) != IDOK) {
            return;
        }
    }
    store(*model);
    doc.SetModifiedFlag(TRUE);
    if (CFrameWnd* frame = view.GetParentFrame()) {
        frame->PostMessage(WM_CLOSE);
    }
}

} // namespace hb::programming
