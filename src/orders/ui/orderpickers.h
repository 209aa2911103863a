#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The windows the order opens to choose or show something; each hands its
// result back through the callback it is given.
struct OrderPickers {
    using ProductChosen = std::function<void(const QString& code)>;
    using MemberChosen = std::function<void(const QString& code, const QString& name)>;

    // The member picker with a preset filter; modal.
    std::function<void(QWidget* parent, const QString& filterText, const MemberChosen& chosen)>
        member;
    // The add-member window; it hands the new member back when it saves.
    std::function<void(QWidget* parent, const MemberChosen& added)> addMember;
    // The product picker; every product chosen there is handed back.
    std::function<void(QWidget* parent, const ProductChosen& chosen)> product;
    // The list of the products a quick-box text matches.
    std::function<void(QWidget* parent, const QString& quickText, const ProductChosen& chosen)>
        searchResult;
    // The picture window of a product.
    std::function<void(QWidget* parent, const QString& productCode)> picture;
    // The print-format window on the order's kinds.
    std::function<void(QWidget* parent)> printFormats;
};
