#pragma once

#include "PrintSurface.h"

#include <QList>
#include <QString>

// A print surface that records what would be printed where, on pages of a given printable size.
// Every character is CharWidth twips wide and a line is LineHeight high, so positions can be
// worked out by hand. FailOnPage makes the printer fail when that page is started.
class RecordingSurface : public PrintSurface
{
public:
    struct Printed
    {
        int page;
        float x;
        float y;
        QString text;
    };

    static constexpr float CharWidth = 100;
    static constexpr float LineHeight = 240;

    RecordingSurface(float pageWidth = 11000, float pageHeight = 15000) : m_width(pageWidth), m_height(pageHeight) {}

    float CurrentX() const override { return m_x; }
    float CurrentY() const override { return m_y; }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    float PageWidth() const override { return m_width; }
    float PageHeight() const override { return m_height; }
    float TextWidth(const QString &text) const override { return CharWidth * float(text.size()); }
    float TextHeight(const QString &) const override { return LineHeight; }
    void Print(const QString &text) override
    {
        printed.append({m_page, m_x, m_y, text});
        m_x += TextWidth(text);
    }
    void EndLine() override
    {
        m_x = 0;
        m_y += LineHeight;
    }
    void NewPage() override
    {
        if (m_page + 1 == failOnPage)
            throw PrintError{QStringLiteral("The test printer ran out of paper.")};
        ++m_page;
        m_x = 0;
        m_y = 0;
    }
    int Page() const override { return m_page; }
    void EndDoc() override { ++documentsEnded; }

    // What was printed on a page, in order; blanks printed one by one are left out.
    QList<Printed> onPage(int page) const
    {
        QList<Printed> result;
        for (const Printed &item : printed) {
            if (item.page == page && item.text != QLatin1String(" "))
                result.append(item);
        }
        return result;
    }

    QList<Printed> printed;
    int documentsEnded = 0;
    int failOnPage = 0;

private:
    float m_width;
    float m_height;
    float m_x = 0;
    float m_y = 0;
    int m_page = 1;
};
