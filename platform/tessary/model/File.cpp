#include "platform/tessary/model/File.h"

#include "platform/tessary/model/ScanFile.h"

File::File(const std::string& path, Object* object) : m_path(hb::tessary::DocumentPath(path)) {
    if (object) {
        m_given = object->handle();
        return;
    }
    hb::tessary::ScanFileRead read = hb::tessary::ReadScanFile(m_path);
    m_owned = std::move(read.root);
    m_error = std::move(read.error);
    m_repaired = std::move(read.repaired);
}

File::~File() {
    if (m_abandoned || m_saved) {
        return;
    }
    if (m_given || (m_owned && m_owned->isChanged())) {
        save();
    }
}

Object* File::root() const {
    return m_owned ? m_owned.get() : Object::Find(m_given);
}

std::unique_ptr<Object> File::release() {
    return std::move(m_owned);
}

bool File::save() {
    Object* object = root();
    if (!object) {
        m_error = "\"" + m_path + "\": there is no object to write";
        return false;
    }
    m_error = hb::tessary::WriteScanFile(m_path, *object);
    if (!m_error.empty()) {
        return false;
    }
    m_saved = true;
    object->setFileName(m_path);
    object->clearChanged();
    return true;
}
