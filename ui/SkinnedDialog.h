#pragma once
#include "ui/Form.h"
#include "ui/KeyCodes.h"
#include "ui/Pointer.h"
#include "ui/SkinnedButtons.h"

namespace qm {

// A single window whose skinned buttons form one family: Enter (on release)
// goes to the family, and the pointer over the window's face is the arrow.
// A window with other keys or hover looks overrides the handler it needs.
template <class T>
class SkinnedDialog : public SingleForm<T> {
public:
    SkinnedButtonSet* buttons() const { return buttons_; }

protected:
    using SingleForm<T>::SingleForm;

    void Form_KeyUp(int keyCode, int /*shift*/) override
    {
        if (keyCode == vbKeyReturn) buttons_->keyUp(keyCode);
    }
    void Form_MouseMove() override { this->setMousePointer(vbDefault); }

    SkinnedButtonSet* buttons_ = nullptr;
};

} // namespace qm
