#include "platform/CDialogBuilder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace {

const char* const kIdProperty = "controlId";
// The ids every template gives its OK and Cancel buttons.
constexpr int kIdOkButton = 1;
constexpr int kIdCancelButton = 2;
// Both alphabets: the base width is their average letter width.
const char* const kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kLetterCount = 52;

// Rounds to the nearest pixel, as dialog-unit conversion always has.
int Scale(int value, int base, int divisor) {
    const long long product = static_cast<long long>(value) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

void SetCaption(QWidget* widget, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(caption);
}

// OK and Cancel end the dialog the way the dialog itself decides.
void ConnectEndButton(QDialog& dialog, QWidget* widget, int controlId) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button) return;
    if (controlId == kIdOkButton)
        QObject::connect(button, &QAbstractButton::clicked, &dialog, &QDialog::accept);
    if (controlId == kIdCancelButton)
        QObject::connect(button, &QAbstractButton::clicked, &dialog, &QDialog::reject);
}

QLabel* MakeLabel(QWidget* parent, const SControlTemplate& control) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (control.Has(QStringLiteral("right"))) horizontal = Qt::AlignRight;
    if (control.Has(QStringLiteral("center"))) horizontal = Qt::AlignHCenter;
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QWidget* MakeEdit(QWidget* parent, const SControlTemplate& control) {
    if (!control.Has(QStringLiteral("multiline"))) {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(control.Has(QStringLiteral("readonly")));
        return edit;
    }
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(control.Has(QStringLiteral("readonly")));
    if (control.Has(QStringLiteral("hscroll"))) edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    if (!control.Has(QStringLiteral("vscroll")))
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return edit;
}

QWidget* MakeList(QWidget* parent, const SControlTemplate& control) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(control.Has(QStringLiteral("extended"))
                               ? QAbstractItemView::ExtendedSelection
                               : QAbstractItemView::SingleSelection);
    list->setSortingEnabled(control.Has(QStringLiteral("sorted")));
    if (!control.Has(QStringLiteral("hscroll")))
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* MakeFrame(QWidget* parent, const SControlTemplate& control) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    if (control.Has(QStringLiteral("black"))) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        frame->setPalette(palette);
    }
    return frame;
}

}  // namespace

CDialogBuilder::CDialogBuilder(int templateId) : m_template(CDialogTemplate::Load(templateId)) {}

CDialogBuilder::CDialogBuilder(CDialogTemplate dialogTemplate)
    : m_template(std::move(dialogTemplate)) {}

CDialogBuilder& CDialogBuilder::Make(int controlId, Factory factory) {
    m_factories[controlId] = std::move(factory);
    return *this;
}

CDialogBuilder& CDialogBuilder::UseBaseUnits(SBaseUnits units) {
    m_forcedUnits = units;
    return *this;
}

QFont CDialogBuilder::Font() const {
    if (QFontDatabase::families().contains(m_template.fontName, Qt::CaseInsensitive))
        return QFont(m_template.fontName, m_template.pointSize);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(m_template.pointSize);
    return font;
}

SBaseUnits CDialogBuilder::BaseUnits() const {
    if (m_forcedUnits.baseX > 0 && m_forcedUnits.baseY > 0) return m_forcedUnits;
    return BaseUnitsOf(Font());
}

SBaseUnits CDialogBuilder::BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    // Twice the average, plus one, halved: rounded to the nearest pixel.
    const int twiceAverage = metrics.horizontalAdvance(QLatin1String(kLetters)) * 2 / kLetterCount;
    return {(twiceAverage + 1) / 2, metrics.height()};
}

QRect CDialogBuilder::ToPixels(const QRect& dialogUnits, SBaseUnits units) {
    const int left = Scale(dialogUnits.x(), units.baseX, kUnitsPerBaseX);
    const int top = Scale(dialogUnits.y(), units.baseY, kUnitsPerBaseY);
    const int right = Scale(dialogUnits.x() + dialogUnits.width(), units.baseX, kUnitsPerBaseX);
    const int bottom = Scale(dialogUnits.y() + dialogUnits.height(), units.baseY, kUnitsPerBaseY);
    return QRect(left, top, right - left, bottom - top);
}

void CDialogBuilder::Build(QDialog& dialog) const {
    const SBaseUnits units = BaseUnits();
    dialog.setWindowTitle(m_template.caption);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog.setFont(Font());
    dialog.setFixedSize(ToPixels(QRect(QPoint(0, 0), m_template.size), units).size());

    QButtonGroup* radios = nullptr;
    std::vector<QWidget*> widgets;
    for (const SControlTemplate& control : m_template.controls) {
        QWidget* widget = CreateControl(dialog, control);
        widgets.push_back(widget);
        widget->setProperty(kIdProperty, control.id);
        if (control.id != -1) widget->setObjectName(QStringLiteral("id%1").arg(control.id));
        widget->setGeometry(ToPixels(control.rect, units));
        SetCaption(widget, control.caption);
        widget->setEnabled(!control.Has(QStringLiteral("disabled")));
        widget->setHidden(control.Has(QStringLiteral("hidden")));
        ConnectEndButton(dialog, widget, control.id);

        // Radio buttons are exclusive within their group only, which runs from
        // one "group" control to the next.
        auto* radio = qobject_cast<QRadioButton*>(widget);
        if (radio && (control.Has(QStringLiteral("group")) || !radios)) {
            radios = new QButtonGroup(&dialog);
            radios->setObjectName(QStringLiteral("group%1").arg(control.id));
        } else if (!radio && control.Has(QStringLiteral("group"))) {
            radios = nullptr;
        }
        if (radio) radios->addButton(radio, control.id);
    }
    DescribeByGroupBoxes(widgets);
}

void CDialogBuilder::DescribeByGroupBoxes(const std::vector<QWidget*>& widgets) const {
    // A group box only frames its controls, so a screen reader would say "Quick"
    // without "Game Size": each control inside one takes its caption as its
    // description. The smallest box comes first, so a nested box names its own.
    std::vector<std::size_t> boxes;
    for (std::size_t i = 0; i < m_template.controls.size(); ++i) {
        const SControlTemplate& control = m_template.controls[i];
        if (control.kind == QLatin1String("groupbox") && !control.caption.isEmpty())
            boxes.push_back(i);
    }
    const auto area = [this](std::size_t i) {
        const QRect& rect = m_template.controls[i].rect;
        return rect.width() * rect.height();
    };
    std::stable_sort(boxes.begin(), boxes.end(),
                     [&](std::size_t a, std::size_t b) { return area(a) < area(b); });
    for (std::size_t box : boxes) {
        const QRect& frame = m_template.controls[box].rect;
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            if (i == box || !frame.contains(m_template.controls[i].rect)) continue;
            if (widgets[i]->accessibleDescription().isEmpty())
                widgets[i]->setAccessibleDescription(m_template.controls[box].caption);
        }
    }
}

QWidget* CDialogBuilder::CreateControl(QDialog& dialog, const SControlTemplate& control) const {
    const auto factory = m_factories.find(control.id);
    if (factory != m_factories.end()) {
        QWidget* widget = factory->second(&dialog, control);
        if (!widget)
            throw CTemplateError(QStringLiteral("Dialog template %1: the factory of control %2 "
                                                "made nothing")
                                     .arg(m_template.id)
                                     .arg(control.id)
                                     .toStdString());
        widget->setParent(&dialog);
        return widget;
    }
    const QString& kind = control.kind;
    if (kind == QLatin1String("button")) {
        auto* button = new QPushButton(&dialog);
        button->setDefault(control.Has(QStringLiteral("default")));
        return button;
    }
    if (kind == QLatin1String("checkbox")) return new QCheckBox(&dialog);
    if (kind == QLatin1String("radio")) return new QRadioButton(&dialog);
    if (kind == QLatin1String("groupbox")) {
        // A group box only frames its neighbours: it lies beneath them and lets clicks through.
        auto* group = new QGroupBox(&dialog);
        group->lower();
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    if (kind == QLatin1String("static") || kind == QLatin1String("icon"))
        return MakeLabel(&dialog, control);
    if (kind == QLatin1String("frame")) return MakeFrame(&dialog, control);
    if (kind == QLatin1String("edit")) return MakeEdit(&dialog, control);
    return MakeList(&dialog, control);
}

QWidget* CDialogBuilder::Control(const QWidget& dialog, int controlId) {
    if (controlId == -1) return nullptr;
    const auto children = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        const QVariant id = child->property(kIdProperty);
        if (id.isValid() && id.toInt() == controlId) return child;
    }
    return nullptr;
}
