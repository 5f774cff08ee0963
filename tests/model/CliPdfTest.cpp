// valdero-cli rapport and grafiek with --pdf: the pages "Print" gives, written
// through the chart module by the real tool, read back with pdftotext; and
// what the tool says where it cannot print.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

#include "CliHulp.h"
#include "TestBoek.h"
#include "VoorbeeldHulp.h"
#include "app/cli/Opdrachten.h"

namespace valdero {
namespace {

using test::TestMap;

std::string LeesBestand(const std::filesystem::path& pad) {
  std::ifstream in(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A tool without the module says so before it loads the book, and writes
// nothing.
TEST(CliPdf, ZonderModuleZegtHetWaarom) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 20});
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"rapport", "--pdf", "r.pdf", "Huis08", "10"},
        std::vector<std::string>{"grafiek", "--pdf", "g.pdf", "Huis08", "131"}}) {
    std::ostringstream uit, fout;
    EXPECT_EQ(cli::VoerUit(args, map.pad(), uit, fout), cli::kMislukt);
    EXPECT_NE(fout.str().find("drukt geen PDF af"), std::string::npos) << fout.str();
    EXPECT_TRUE(uit.str().empty());
  }
  EXPECT_FALSE(std::filesystem::exists(map / "r.pdf"));
  EXPECT_FALSE(std::filesystem::exists(map / "g.pdf"));
}

#ifdef VALDERO_GRAFIEKMODULE
struct Gedraaid {
  int code;
  std::string fout;
};

Gedraaid Draai(const TestMap& map, const std::string& args) {
  const std::string regel = "cd '" + map.pad().string() + "' && QT_QPA_PLATFORM=offscreen '" VALDERO_CLI "' " +
                            args + " > uit.txt 2> fout.txt";
  const int status = std::system(regel.c_str());
  if (!WIFEXITED(status)) return {-1, {}};
  return {WEXITSTATUS(status), LeesBestand(map / "fout.txt")};
}

std::string PdfTekst(const std::filesystem::path& pdf) {
  const std::filesystem::path txt = pdf.string() + ".txt";
  const std::string regel = "pdftotext -layout '" + pdf.string() + "' '" + txt.string() + "'";
  if (std::system(regel.c_str()) != 0) return {};
  return LeesBestand(txt);
}

int Paginas(const std::string& tekst) {
  // pdftotext ends every page with a form feed.
  return static_cast<int>(std::count(tekst.begin(), tekst.end(), '\f'));
}

// The report's text is in the PDF, and its pages follow its rows: four
// times the transactions, about four times the pages.
TEST(CliPdf, RapportHoudtDeTekstEnDePaginasVolgenDeRijen) {
  std::vector<int> paginas;
  for (int transacties : {150, 600}) {
    TestMap map;
    test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = transacties});
    const Gedraaid g = Draai(map, "rapport --vandaag 2-5-2008 --rekening 1 --pdf rek.pdf Huis08 1");
    ASSERT_EQ(g.code, 0) << g.fout;
    EXPECT_TRUE(LeesBestand(map / "uit.txt").empty());  // --pdf alone writes only the PDF
    const std::string pdf = LeesBestand(map / "rek.pdf");
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    const std::string tekst = PdfTekst(map / "rek.pdf");
    EXPECT_NE(tekst.find("Datum : 02-05-2008"), std::string::npos) << tekst.substr(0, 400);
    // The rows as the text file has them: every amount of the report.
    ASSERT_EQ(Draai(map, "rapport --vandaag 2-5-2008 --rekening 1 --json Huis08 1").code, 0);
    const auto json = test::LeesJson(LeesBestand(map / "uit.txt"));
    ASSERT_TRUE(json);
    const auto& rijen = (*json).at("Rijen");
    ASSERT_GT(rijen.size(), 10u);
    for (const auto& rij : rijen) {
      const std::string bedrag = rij.at(4).get<std::string>();
      const auto b = bedrag.find_first_not_of(' ');
      EXPECT_NE(tekst.find(bedrag.substr(b == std::string::npos ? 0 : b)), std::string::npos) << bedrag;
    }
    paginas.push_back(Paginas(tekst));
  }
  EXPECT_GE(paginas[0], 1);
  EXPECT_GE(paginas[1], 3 * paginas[0] - 1) << paginas[0] << " and " << paginas[1];
  EXPECT_LE(paginas[1], 5 * paginas[0] + 1) << paginas[0] << " and " << paginas[1];
}

TEST(CliPdf, GrafiekOpEenPaginaNaastDeJson) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 60});
  const Gedraaid g = Draai(map, "grafiek --vandaag 2-5-2008 --pdf saldi.pdf Huis08 131");
  ASSERT_EQ(g.code, 0) << g.fout;
  EXPECT_TRUE(test::LeesJson(LeesBestand(map / "uit.txt")));
  const std::string pdf = LeesBestand(map / "saldi.pdf");
  ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_GT(pdf.size(), 5000u);  // the chart's picture
  EXPECT_EQ(Paginas(PdfTekst(map / "saldi.pdf")), 1);
}

// A PDF that cannot be written: the message, the failure code, no file.
TEST(CliPdf, OnschrijfbaarBestandZegtHet) {
  TestMap map;
  test::SchrijfVoorbeeld(map.pad(), "Huis08", {.transacties = 20});
  for (const char* args : {"rapport --vandaag 2-5-2008 --pdf geen/map/r.pdf Huis08 10",
                           "grafiek --vandaag 2-5-2008 --pdf geen/map/g.pdf Huis08 131"}) {
    const Gedraaid g = Draai(map, args);
    EXPECT_EQ(g.code, 1) << args;
    EXPECT_NE(g.fout.find("Afdrukken niet gelukt"), std::string::npos) << g.fout;
  }
  EXPECT_FALSE(std::filesystem::exists(map / "geen"));
}
#endif

}  // namespace
}  // namespace valdero
