// Shorthands for the published-property tables of FormClasses*.cpp. Each
// stores the member it sets; one setter function serves every property of
// the same class and value type.
#pragma once

#include "vcl/FormClasses.h"

namespace tavrik::vcl::publishing {

template <typename C>
TComponent* Create(TComponent* owner) {
    return new C(owner);
}

template <typename C, typename V>
PublishedProperty Int(const char* name, void (C::*setter)(V)) {
    return StoredProperty(
        name,
        [](TComponent& c, const FormValue& v, const BindContext&, const PublishedProperty& p) {
            (dynamic_cast<C&>(c).*p.Stored<void (C::*)(V)>())(static_cast<V>(ToInt(v)));
        },
        setter);
}

template <typename C>
PublishedProperty Bool(const char* name, void (C::*setter)(bool)) {
    return StoredProperty(
        name,
        [](TComponent& c, const FormValue& v, const BindContext&, const PublishedProperty& p) {
            (dynamic_cast<C&>(c).*p.Stored<void (C::*)(bool)>())(ToBool(v));
        },
        setter);
}

template <typename C>
PublishedProperty Text(const char* name, void (C::*setter)(const std::string&)) {
    return StoredProperty(
        name,
        [](TComponent& c, const FormValue& v, const BindContext&, const PublishedProperty& p) {
            (dynamic_cast<C&>(c).*p.Stored<void (C::*)(const std::string&)>())(ToText(v));
        },
        setter);
}

template <typename C>
PublishedProperty Color(const char* name, void (C::*setter)(TColor)) {
    return StoredProperty(
        name,
        [](TComponent& c, const FormValue& v, const BindContext&, const PublishedProperty& p) {
            (dynamic_cast<C&>(c).*p.Stored<void (C::*)(TColor)>())(ToColor(v));
        },
        setter);
}

// `names` must outlive the table: a named constant array.
template <typename C, typename E>
PublishedProperty Enum(const char* name, void (C::*setter)(E), NameList names) {
    return StoredProperty(
        name,
        [](TComponent& c, const FormValue& v, const BindContext&, const PublishedProperty& p) {
            (dynamic_cast<C&>(c).*
             p.Stored<void (C::*)(E)>())(ToEnum<E>(v, NameList(p.valueNames, p.valueCount)));
        },
        setter, names);
}

// An event held in a public member of the component.
template <typename C, typename E>
PublishedProperty Event(const char* name, E C::*member) {
    return StoredProperty(
        name,
        [](TComponent& c, const FormValue& v, const BindContext& context,
           const PublishedProperty& p) {
            dynamic_cast<C&>(c).*p.Stored<E C::*>() = context.Handler<E>(v, p.name);
        },
        member);
}

}  // namespace tavrik::vcl::publishing
