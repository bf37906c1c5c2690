#pragma once
// The radio memory transfer: "Radio to PC" fills a group from the radio, "PC to Radio" writes a
// group into it. Made on the caller's stack for one transfer. This one moves no channels yet: an
// upload gives the group the radio's organisation, and every transfer is kept in Transfers().
#include "platform/win/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

class CObjectDoc;
class CRig;
class CWnd;
class Object;

class CLoader {
public:
    enum class Direction { Upload, Download };
    struct Transfer {
        Direction direction;
        CRig* rig;
        // The group's file when the transfer began.
        std::string path;
    };

    void Upload(Object* group, CRig* rig, CObjectDoc* doc, CWnd* parent);
    void Download(Object* group, CRig* rig, CObjectDoc* doc, CWnd* parent);

    static const std::vector<Transfer>& Transfers();
    // Clears the transfers kept and the hook.
    static void ClearTransfers();
    // Called with each transfer as it begins; a hook that throws stands for a transfer that fails.
    static void SetTransferHook(std::function<void(const Transfer&)> hook);
};
