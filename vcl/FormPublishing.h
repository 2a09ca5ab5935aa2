// Shorthands for the published-property tables of FormClasses*.cpp.
#pragma once

#include <vector>

#include "vcl/FormClasses.h"

namespace tavrik::vcl::publishing {

template <typename C, typename V>
PublishedProperty Int(const char* name, void (C::*setter)(V)) {
    return Publish<C>(name, [setter](C& c, const FormValue& v, const BindContext&) {
        (c.*setter)(static_cast<V>(ToInt(v)));
    });
}

template <typename C>
PublishedProperty Bool(const char* name, void (C::*setter)(bool)) {
    return Publish<C>(
        name, [setter](C& c, const FormValue& v, const BindContext&) { (c.*setter)(ToBool(v)); });
}

template <typename C>
PublishedProperty Text(const char* name, void (C::*setter)(const std::string&)) {
    return Publish<C>(
        name, [setter](C& c, const FormValue& v, const BindContext&) { (c.*setter)(ToText(v)); });
}

template <typename C>
PublishedProperty Color(const char* name, void (C::*setter)(TColor)) {
    return Publish<C>(
        name, [setter](C& c, const FormValue& v, const BindContext&) { (c.*setter)(ToColor(v)); });
}

template <typename C, typename E>
PublishedProperty Enum(const char* name, void (C::*setter)(E), std::vector<const char*> names) {
    return Publish<C>(name, [setter, names](C& c, const FormValue& v, const BindContext&) {
        (c.*setter)(ToEnum<E>(v, names));
    });
}

// An event held in a public member of the component.
template <typename C, typename E>
PublishedProperty Event(const char* name, E C::*member) {
    return Publish<C>(name, [member, name](C& c, const FormValue& v, const BindContext& context) {
        c.*member = context.Handler<E>(v, name);
    });
}

}  // namespace tavrik::vcl::publishing
