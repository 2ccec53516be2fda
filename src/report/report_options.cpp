#include "report/report_options.h"

#include "records/language_dictionary.h"

namespace kirvos {

std::string SectionText(const KieliSanasto& texts, int source, int g, int n)
{
    return source == 1 ? texts.Text(g, n) : texts.ReportText(g, n);
}

}  // namespace kirvos
