#include "platform/CDialogTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QStringList kKinds = {"button", "checkbox", "radio", "groupbox", "static",
                            "frame",  "icon",     "edit",  "listbox"};
const QStringList kControlStyles = {"default",   "hidden",   "disabled",    "group",
                                    "right",     "center",   "ownerdraw",   "black",
                                    "multiline", "readonly", "autohscroll", "hscroll",
                                    "vscroll",   "sorted",   "notify",      "extended"};
const QStringList kDialogStyles = {"popup",      "caption", "sysmenu",
                                   "modalframe", "visible", "taskbar"};

// Reading stops at the first fault; the message says where it is.
class CReader {
public:
    explicit CReader(QString name) : m_name(std::move(name)) {}

    [[noreturn]] void Fail(const QString& what) const {
        throw CTemplateError(
            QStringLiteral("Dialog template %1 is damaged: %2").arg(m_name, what).toStdString());
    }

    QJsonValue Need(const QJsonObject& object, const QString& key, const QString& where) const {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) Fail(where + QStringLiteral(" has no \"%1\"").arg(key));
        return value;
    }

    int Int(const QJsonValue& value, const QString& where) const {
        const double number = value.toDouble(0.5);
        if (!value.isDouble() || number != static_cast<int>(number) || number < -32768 ||
            number > 65535)
            Fail(where + QStringLiteral(" must be a whole number"));
        return static_cast<int>(number);
    }

    QString String(const QJsonValue& value, const QString& where) const {
        if (!value.isString()) Fail(where + QStringLiteral(" must be a text"));
        return value.toString();
    }

    std::vector<int> Numbers(const QJsonValue& value, std::size_t count,
                             const QString& where) const {
        const QJsonArray array = value.toArray();
        if (!value.isArray() || static_cast<std::size_t>(array.size()) != count)
            Fail(where + QStringLiteral(" must be %1 numbers").arg(count));
        std::vector<int> numbers;
        for (const QJsonValue& item : array) numbers.push_back(Int(item, where));
        return numbers;
    }

    QStringList Styles(const QJsonObject& object, const QStringList& known,
                       const QString& where) const {
        QStringList styles;
        const QJsonValue value = object.value(QStringLiteral("styles"));
        if (value.isUndefined()) return styles;
        if (!value.isArray()) Fail(where + QStringLiteral(" styles must be a list"));
        for (const QJsonValue& item : value.toArray()) {
            const QString style = String(item, where + QStringLiteral(" style"));
            if (!known.contains(style))
                Fail(where + QStringLiteral(" has unknown style \"%1\"").arg(style));
            styles << style;
        }
        return styles;
    }

    SControlTemplate Control(const QJsonValue& value, int index) const {
        const QString where = QStringLiteral("control %1").arg(index + 1);
        if (!value.isObject()) Fail(where + QStringLiteral(" must be an object"));
        const QJsonObject object = value.toObject();
        SControlTemplate control;
        control.id = Int(Need(object, QStringLiteral("id"), where), where + QStringLiteral(" id"));
        control.kind =
            String(Need(object, QStringLiteral("kind"), where), where + QStringLiteral(" kind"));
        if (!kKinds.contains(control.kind))
            Fail(where + QStringLiteral(" has unknown kind \"%1\"").arg(control.kind));
        control.caption = String(Need(object, QStringLiteral("caption"), where),
                                 where + QStringLiteral(" caption"));
        const std::vector<int> r = Numbers(Need(object, QStringLiteral("rect"), where), 4,
                                           where + QStringLiteral(" rect"));
        if (r[0] < 0 || r[1] < 0 || r[2] <= 0 || r[3] <= 0)
            Fail(where +
                 QStringLiteral(
                     " rect must lie at or right of and below the origin and not be empty"));
        control.rect = QRect(r[0], r[1], r[2], r[3]);
        control.styles = Styles(object, kControlStyles, where);
        if (object.contains(QStringLiteral("resource")))
            control.resource =
                Int(object.value(QStringLiteral("resource")), where + QStringLiteral(" resource"));
        return control;
    }

private:
    QString m_name;
};

}  // namespace

CDialogTemplate CDialogTemplate::Parse(const QByteArray& json, const QString& name) {
    const CReader reader(name);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        reader.Fail(
            QStringLiteral("%1 at character %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject()) reader.Fail(QStringLiteral("it is not a JSON object"));
    const QJsonObject object = document.object();
    const QString where = QStringLiteral("the dialog");

    CDialogTemplate result;
    result.id = reader.Int(reader.Need(object, QStringLiteral("id"), where), QStringLiteral("id"));
    result.caption = reader.String(reader.Need(object, QStringLiteral("caption"), where),
                                   QStringLiteral("caption"));
    const std::vector<int> size = reader.Numbers(reader.Need(object, QStringLiteral("size"), where),
                                                 2, QStringLiteral("size"));
    if (size[0] <= 0 || size[1] <= 0) reader.Fail(QStringLiteral("size must not be empty"));
    result.size = QSize(size[0], size[1]);
    if (object.contains(QStringLiteral("position"))) {
        const std::vector<int> position =
            reader.Numbers(object.value(QStringLiteral("position")), 2, QStringLiteral("position"));
        result.position = QPoint(position[0], position[1]);
    }
    const QJsonValue font = reader.Need(object, QStringLiteral("font"), where);
    if (!font.isObject()) reader.Fail(QStringLiteral("font must be an object"));
    result.fontName =
        reader.String(reader.Need(font.toObject(), QStringLiteral("name"), QStringLiteral("font")),
                      QStringLiteral("font name"));
    result.pointSize =
        reader.Int(reader.Need(font.toObject(), QStringLiteral("points"), QStringLiteral("font")),
                   QStringLiteral("font points"));
    if (result.pointSize <= 0) reader.Fail(QStringLiteral("font points must be positive"));
    if (object.contains(QStringLiteral("menu")))
        result.menu = reader.Int(object.value(QStringLiteral("menu")), QStringLiteral("menu"));
    result.styles = reader.Styles(object, kDialogStyles, where);

    const QJsonValue controls = reader.Need(object, QStringLiteral("controls"), where);
    if (!controls.isArray()) reader.Fail(QStringLiteral("controls must be a list"));
    const QJsonArray array = controls.toArray();
    for (int i = 0; i < array.size(); ++i) {
        SControlTemplate control = reader.Control(array.at(i), i);
        if (control.id != -1 && result.Find(control.id))
            reader.Fail(QStringLiteral("control id %1 appears twice").arg(control.id));
        result.controls.push_back(std::move(control));
    }
    return result;
}

CDialogTemplate CDialogTemplate::Load(int id) {
    const QString path = QStringLiteral(":/templates/%1.json").arg(id);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CTemplateError(
            QStringLiteral("Dialog template %1 is missing (%2)").arg(id).arg(path).toStdString());
    CDialogTemplate result = Parse(file.readAll(), QStringLiteral("%1 (%2)").arg(id).arg(path));
    if (result.id != id)
        throw CTemplateError(QStringLiteral("Dialog template %1 is damaged: %2 holds template %3")
                                 .arg(id)
                                 .arg(path)
                                 .arg(result.id)
                                 .toStdString());
    return result;
}

const SControlTemplate* CDialogTemplate::Find(int controlId) const {
    for (const SControlTemplate& control : controls)
        if (control.id == controlId) return &control;
    return nullptr;
}
