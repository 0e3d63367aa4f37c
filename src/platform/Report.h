#pragma once

#include "platform/ReportData.h"
#include "platform/ReportLayout.h"
#include "platform/ReportTemplate.h"

#include <QString>

// A report as the program uses it: a template loaded from a file, the datasets bound to it
// by name, a few named memos set by the program, then laid out into pages.
class Report
{
public:
    // Loads a template file. A path without a file of that exact name gets ".rmf" appended. A
    // missing or unreadable file is not loaded: the report keeps what it held and error names
    // the file.
    bool loadFromFile(const QString& path, QString* error);
    // Writes the template; false with a message naming the file.
    bool saveToFile(const QString& path, QString* error);
    // The file last loaded or saved; empty before.
    QString fileName() const { return m_fileName; }
    bool isLoaded() const { return !m_fileName.isEmpty(); }

    ReportTemplate& layoutTemplate() { return m_template; }
    const ReportTemplate& layoutTemplate() const { return m_template; }
    void setTemplate(const ReportTemplate& t) { m_template = t; }

    // The first object of that name, band by band; nullptr when there is none.
    ReportObject* findObject(const QString& name) { return m_template.findObject(name); }
    // Replaces the whole text of a named object; false with a message naming the object and
    // the template when there is no such object.
    bool setMemoText(const QString& name, const QString& text, QString* error);

    ReportData& data() { return m_data; }
    const ReportData& data() const { return m_data; }

    ReportDocument prepare() const { return LayoutReport(m_template, m_data); }

    // The path that loadFromFile() reads for a given path.
    static QString resolvePath(const QString& path);

private:
    ReportTemplate m_template;
    ReportData m_data;
    QString m_fileName;
};
