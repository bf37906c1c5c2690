#include "platform/tessary/model/LocateBank.h"

#include "platform/tessary/model/Bank.h"

Bank* scan_locate_bank(Object* object) {
    for (Object* at = object; at; at = at->parent()) {
        if (auto* bank = dynamic_cast<Bank*>(at)) {
            return bank;
        }
    }
    return nullptr;
}
