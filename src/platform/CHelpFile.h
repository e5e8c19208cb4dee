#pragma once

#include <QString>
#include <vector>

// The instructions as topics, read from a Markdown help file:
//   # Title                      the help's title; the text up to the first
//                                topic opens the contents page
//   ## Topic title               a topic, up to the next one
//   <!-- context: N -->          on a line of its own: the topic's context number
// HTML comments are dropped. A topic is linked as [text](#slug), the slug being
// its title in lower case with spaces as hyphens; #contents is the contents page.
class CHelpFile {
public:
    struct STopic {
        QString title;
        QString slug;
        QString body;  // Markdown, without the heading
        int nContext = -1;
    };
    static constexpr const char* kContentsSlug = "contents";

    // False when the file cannot be read or holds no topic; Error() says why.
    bool Load(const QString& path);
    const QString& Error() const { return m_strError; }

    const QString& Title() const { return m_strTitle; }
    const std::vector<STopic>& Topics() const { return m_topics; }
    // Null when no topic has that context number or slug.
    const STopic* FindContext(int nContext) const;
    const STopic* FindSlug(const QString& slug) const;
    static QString Slug(const QString& title);

    // The pages the help window shows, as Markdown.
    QString ContentsPage() const;
    QString TopicPage(const STopic& topic) const;

private:
    void Parse(const QString& text);

    QString m_strTitle;
    QString m_strIntro;
    std::vector<STopic> m_topics;
    QString m_strError;
};
