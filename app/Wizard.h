#pragma once
// The setup wizard. This version has none: running it tells the user so and ends as cancelled.
class CRig;
class CWnd;

class CWizard {
public:
    // Mode 0 starts at the beginning, 1 sets up the scan list of `rig`, -1 resumes.
    CWizard(int mode, CWnd* parent, CRig* rig);

    // IDCANCEL.
    int DoModal();

private:
    CWnd* m_parent;
};
