#pragma once

// The plots of the demo host from the command line: --plot coolant=NAME or
// --plot layers=LAYERS, rendered into --out FILE.png or shown in a window.

#include <QCommandLineParser>

class CDatabaseRegistry;

class CPlotCommand
{
public:
    void AddOptions(QCommandLineParser *parser) const;
    bool IsSet(const QCommandLineParser &parser) const { return parser.isSet(m_plot); }
    /// Builds the plot asked for; prints what it shows, then saves it (--out) or shows it
    /// until its window is closed. The exit code tells whether the request could be read.
    int Run(const QCommandLineParser &parser, const CDatabaseRegistry &registry) const;

private:
    const QCommandLineOption m_plot { QStringLiteral("plot"), QString(), QStringLiteral("WHAT") };
    const QCommandLineOption m_out { QStringLiteral("out"), QString(), QStringLiteral("FILE") };
    const QCommandLineOption m_inside { QStringLiteral("inside"), QString(), QStringLiteral("T") };
    const QCommandLineOption m_outside { QStringLiteral("outside"), QString(),
                                         QStringLiteral("T") };
    const QCommandLineOption m_settlement { QStringLiteral("settlement"), QString(),
                                            QStringLiteral("NAME") };
};
