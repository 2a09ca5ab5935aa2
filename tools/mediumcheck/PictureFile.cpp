#include "PictureFile.h"

#include <exception>

#include "MediumFiles.h"
#include "app/Unit1Description.h"
#include "vcl/Bitmap.h"
#include "vcl/FormParser.h"

namespace tavrik::mediumcheck {

namespace {

const vcl::FormObject* FindControl(const vcl::FormObject& object, const std::string& name) {
    if (object.name == name) {
        return &object;
    }
    for (const auto& child : object.children) {
        if (const vcl::FormObject* found = FindControl(child, name)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

bool LoadPicture(const std::string& relative, PictureSize& size, std::string& reason) {
    try {
        vcl::TBitmap bitmap;
        bitmap.LoadFromFile(OnMedium(relative));
        size = {bitmap.Width(), bitmap.Height()};
        return true;
    } catch (const std::exception& error) {
        reason = error.what();
        return false;
    }
}

PictureSize FormControlSize(const std::string& controlName) {
    static const vcl::FormObject form = vcl::ParseFormDescription(kUnit1Description);
    PictureSize size;
    if (const vcl::FormObject* control = FindControl(form, controlName)) {
        for (const auto& property : control->properties) {
            if (property.name == "Width") {
                size.width = static_cast<int>(property.value.integer);
            } else if (property.name == "Height") {
                size.height = static_cast<int>(property.value.integer);
            }
        }
    }
    return size;
}

std::string SizeText(const PictureSize& size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}

bool operator==(const PictureSize& a, const PictureSize& b) {
    return a.width == b.width && a.height == b.height;
}

}  // namespace tavrik::mediumcheck
