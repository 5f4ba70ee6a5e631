// The events table: commonly cited ages, each with its source, oldest first.
#include "famous_events.h"

namespace aeon {

const std::array<FamousEvent, 21> kFamousEvents = {{
    // Planck Collaboration 2013 results XVI: age of the universe 13.798 +/- 0.037 Gyr.
    {"Urknall", 13'798'000'000},
    // Oldest Milky Way stars, e.g. Frebel et al. 2007 (HE 1523-0901), ~13.2 Gyr.
    {"Entstehung der Milchstraße", 13'200'000'000},
    // Calcium-aluminium-rich inclusions, Bouvier & Wadhwa 2010 (Nature Geoscience): 4.5682 Gyr.
    {"Entstehung der Sonne", 4'568'000'000},
    // Dalrymple 2001 (Geological Society Special Publication 190): 4.54 Gyr.
    {"Entstehung der Erde", 4'540'000'000},
    // Barboni et al. 2017 (Science Advances): Moon formed 4.51 Gyr ago.
    {"Entstehung des Mondes", 4'510'000'000},
    // Jack Hills zircon, Wilde et al. 2001 (Nature): 4.404 Gyr.
    {"Älteste Minerale der Erde", 4'404'000'000},
    // Isua graphite, Ohtomo et al. 2014 (Nature Geoscience): 3.7 Gyr.
    {"Erste Spuren von Leben", 3'700'000'000},
    // Cyanobacterial oxygen, Great Oxidation Event, Lyons et al. 2014 (Nature): 2.4 Gyr.
    {"Photosynthese füllt die Luft mit Sauerstoff", 2'400'000'000},
    // First eukaryotes, Knoll et al. 2006 (Phil. Trans. R. Soc. B): ~1.8 Gyr.
    {"Erste komplexe Zellen (Eukaryoten)", 1'800'000'000},
    // Ediacaran biota, Narbonne 2005 (Annu. Rev. Earth Planet. Sci.): ~575 Myr.
    {"Erste große Vielzeller (Ediacara)", 575'000'000},
    // Base of the Cambrian, ICS chronostratigraphic chart 2023: 538.8 Myr.
    {"Kambrische Explosion", 538'800'000},
    // Cryptospores, Wellman et al. 2003 (Nature): ~470 Myr.
    {"Erste Landpflanzen", 470'000'000},
    // Tiktaalik, Daeschler et al. 2006 (Nature): 375 Myr.
    {"Erste Wirbeltiere an Land", 375'000'000},
    // Eoraptor and kin, Langer et al. 2010 (Biological Reviews): ~233 Myr.
    {"Erste Dinosaurier", 233'000'000},
    // Cretaceous-Paleogene boundary, Renne et al. 2013 (Science): 66.0 Myr.
    {"Aussterben der Dinosaurier", 66'000'000},
    // Sahelanthropus, Brunet et al. 2002 (Nature): ~7 Myr.
    {"Erste Homininen", 7'000'000},
    // Jebel Irhoud, Hublin et al. 2017 (Nature): ~300,000 years.
    {"Homo sapiens", 300'000},
    // Sulawesi cave art, Aubert et al. 2014 (Nature): ~40,000 years.
    {"Erste Höhlenmalereien", 40'000},
    // Base of the Holocene, Walker et al. 2009 (J. Quaternary Sci.): 11,700 years.
    {"Ende der letzten Eiszeit", 11'700},
    // Göbekli Tepe and the first farming, Zeder 2011 (Current Anthropology): ~11,000 years.
    {"Beginn der Landwirtschaft", 11'000},
    // Great Pyramid of Giza, c. 2560 BC (Lehner 1997, The Complete Pyramids): ~4,580 years.
    {"Pyramiden von Gizeh", 4'580},
}};

}  // namespace aeon
