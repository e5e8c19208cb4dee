#include "platform/CHelpFile.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QString kDefaultTitle = QStringLiteral("Tallyfold Help");

}  // namespace

bool CHelpFile::Load(const QString& path) {
    m_strTitle = kDefaultTitle;
    m_strIntro.clear();
    m_topics.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_strError = file.errorString();
        return false;
    }
    Parse(QString::fromUtf8(file.readAll()));
    // A file of some other kind (or an empty one) reads without error but has no topic.
    m_strError = m_topics.empty() ? QStringLiteral("it holds no help topics") : QString();
    return m_strError.isEmpty();
}

void CHelpFile::Parse(const QString& text) {
    static const QRegularExpression context(QStringLiteral(R"(^<!--\s*context:\s*(\d+)\s*-->$)"));
    bool bInComment = false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (bInComment || line.startsWith(QLatin1String("<!--"))) {
            const QRegularExpressionMatch match = context.match(line);
            if (match.hasMatch() && !m_topics.empty())
                m_topics.back().nContext = match.captured(1).toInt();
            bInComment = !line.contains(QLatin1String("-->"));
            continue;
        }
        if (line.startsWith(QLatin1String("## "))) {
            const QString title = line.mid(3).trimmed();
            m_topics.push_back({title, Slug(title), QString(), -1});
        } else if (line.startsWith(QLatin1String("# ")) && m_topics.empty()) {
            m_strTitle = line.mid(2).trimmed();
        } else {
            (m_topics.empty() ? m_strIntro : m_topics.back().body) += raw + QLatin1Char('\n');
        }
    }
}

const CHelpFile::STopic* CHelpFile::FindContext(int nContext) const {
    for (const STopic& topic : m_topics)
        if (topic.nContext == nContext) return &topic;
    return nullptr;
}

const CHelpFile::STopic* CHelpFile::FindSlug(const QString& slug) const {
    for (const STopic& topic : m_topics)
        if (topic.slug == slug) return &topic;
    return nullptr;
}

QString CHelpFile::Slug(const QString& title) {
    // The anchors common Markdown viewers make, so the links work there too.
    QString slug;
    for (const QChar c : title.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-')) slug += c;
        else if (c.isSpace()) slug += QLatin1Char('-');
    }
    return slug;
}

QString CHelpFile::ContentsPage() const {
    QString page = QStringLiteral("# ") + m_strTitle + QStringLiteral("\n\n") + m_strIntro.trimmed();
    page += QStringLiteral("\n\n");
    for (const STopic& topic : m_topics)
        page += QStringLiteral("- [%1](#%2)\n").arg(topic.title, topic.slug);
    return page;
}

QString CHelpFile::TopicPage(const STopic& topic) const {
    return QStringLiteral("# ") + topic.title + QStringLiteral("\n\n") + topic.body.trimmed() +
           QStringLiteral("\n\n[Contents](#") + QLatin1String(kContentsSlug) + QStringLiteral(")\n");
}
