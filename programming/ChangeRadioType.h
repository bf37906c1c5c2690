#pragma once
// The radio-type change of the group and search range windows (27181). The user picks a model;
// for another type than the window's, and after the user agrees, the model is handed to `store`,
// the document is marked modified and the window closes, asking whether to save. The new type
// takes effect when the file is opened again. The chosen model lives only as long as the command.
#include <cstdint>
#include <functional>

class CDocument;
class CView;
class Radio;

namespace hb::programming {

// With `warnFixed`, a model that needs a fixed organisation is only stored after a second
// question warning of lost channels and banks.
void ChangeRadioType(CView& view, CDocument& doc, std::uint8_t current, bool warnFixed,
                     const std::function<void(const Radio& model)>& store);

} // namespace hb::programming
