<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="el">
<context>
    <name>About</name>
    <message>
        <source>Παρασκευές οργανικών οξέων, 2014</source>
        <translation>Preparations of carboxylic acids, 2014</translation>
    </message>
    <message>
        <source>κλικ για να συνδεθείτε με την ιστοσελίδα του Λυκείου Φλοκαρίων</source>
        <translation>click to visit the web page of the Lyceum of Flokaria</translation>
    </message>
    <message>
        <source>κλικ για να συνδεθείτε με τη συλλογή προγραμμάτων του </source>
        <translation>click to visit the collection of programs by the </translation>
    </message>
    <message>
        <source>κλικ για να συνδεθείτε με την </source>
        <translation>click to visit </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ο καθηγητής Χημείας του Λυκείου</source>
        <translation>The Chemistry teacher of the Lyceum</translation>
    </message>
    <message>
        <source>καθηγητή Χημείας του Λυκείου</source>
        <translation>Chemistry teacher of the Lyceum</translation>
    </message>
    <message>
        <source>Το πρόγραμμα αυτό αποτελεί αναπόσπαστο μέρος του ιστότοπου του σχολείου και δεν επιτρέπεται να χρησιμοποιείται χωριστά από αυτόν.</source>
        <translation>This program is an integral part of the school&apos;s website and may not be used apart from it.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Άγνωστη επιλογή «%1».</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Άγνωστες επιλογές: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Λείπει η τιμή μετά το «%1».</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Το «%1» δεν παίρνει τιμή.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Απρόσμενο όρισμα «%1».</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Δεν υπάρχει οθόνη για να ανοίξει το παράθυρο.</source>
        <translation>There is no display to open the window on.</translation>
    </message>
    <message>
        <source>Δεν υπάρχει οθόνη για να εμφανιστούν οι λύσεις. Βρίσκονται στο αρχείο %1</source>
        <translation>There is no display to show the answer key on. It is the file %1</translation>
    </message>
    <message>
        <source>Οι λύσεις δεν άνοιξαν. Βρίσκονται στο αρχείο %1</source>
        <translation>Nothing could open the answer key. It is the file %1</translation>
    </message>
    <message>
        <source>Οι λύσεις δεν βρέθηκαν στο %1 και δεν ήταν δυνατό να γραφτεί αντίγραφό τους.</source>
        <translation>The answer key is not at %1 and no copy of it could be written.</translation>
    </message>
    <message>
        <source>Άγνωστη γλώσσα «%1»· το φύλλο εργασίας μιλά el ή en.</source>
        <translation>Unknown language &apos;%1&apos;; the worksheet speaks el or en.</translation>
    </message>
    <message>
        <source>Χρήση: %1 [επιλογές]
Παρασκευές οργανικών οξέων: φύλλο εργασίας χημείας για τις παρασκευές των καρβοξυλικών οξέων.
Γίνονται δεκτές και οι τυπικές επιλογές της Qt, όπως -platform, -style και -reverse.

Επιλογές:
  -h, --help     Δείχνει αυτή τη βοήθεια και τερματίζει.
  -v, --version  Δείχνει το όνομα και την έκδοση και τερματίζει.
  --answers      Ανοίγει τις λύσεις, το φύλλο εργασίας συμπληρωμένο, στο
                 πρόγραμμα προβολής PDF της επιφάνειας εργασίας, και τερματίζει.
  --language el|en
                 Η γλώσσα του φύλλου εργασίας και των λύσεων: el, ελληνικά
                 (χωρίς την επιλογή, αν δεν διαλέξατε άλλη στη βοήθεια), ή en,
                 αγγλικά.
  --results ΦΑΚΕΛΟΣ
                 Ανοίγει, αντί για το φύλλο εργασίας, τον πίνακα με τις
                 παραδόσεις των μαθητών στον ΦΑΚΕΛΟ.
  --csv          Με την --results: γράφει τον πίνακα ως CSV στην τυπική έξοδο,
                 χωρίς παράθυρο, και τερματίζει.
</source>
        <extracomment>The output of --help. Keep the options and the columns as they are.</extracomment>
        <translation>Usage: %1 [options]
Παρασκευές οργανικών οξέων: a chemistry worksheet on the preparation of carboxylic acids.
Qt&apos;s standard options, such as -platform, -style and -reverse, are accepted too.

Options:
  -h, --help     Shows this help and exits.
  -v, --version  Shows the name and version and exits.
  --answers      Opens the answer key, the printable worksheet filled in, in
                 the desktop&apos;s PDF viewer, and exits.
  --language el|en
                 The language of the worksheet and the answer key: el, Greek
                 (without the option, unless another was chosen in the help),
                 or en, English.
  --results FOLDER
                 Opens the table of the students&apos; hand-ins in FOLDER instead
                 of the worksheet.
  --csv          With --results: prints the table as CSV on standard output,
                 with no window, and exits.
</translation>
    </message>
    <message>
        <source>Η επιλογή «csv» θέλει και την «results».</source>
        <translation>The option &apos;csv&apos; needs &apos;results&apos; too.</translation>
    </message>
    <message>
        <source>Οι επιλογές «answers» και «results» δεν δίνονται μαζί.</source>
        <translation>The options &apos;answers&apos; and &apos;results&apos; cannot be given together.</translation>
    </message>
    <message>
        <source>Ο φάκελος %1 δεν υπάρχει.</source>
        <extracomment>%1 is the folder of hand-ins that --results names.</extracomment>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Το %1 δεν είναι φάκελος.</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>Ο φάκελος %1 δεν διαβάζεται.</source>
        <translation>The folder %1 cannot be read.</translation>
    </message>
    <message>
        <source>Ο πίνακας δεν γράφτηκε ολόκληρος στην έξοδο.</source>
        <translation>The table could not be written whole to the output.</translation>
    </message>
</context>
<context>
    <name>Compounds</name>
    <message>
        <source>νερό</source>
        <translation>water</translation>
    </message>
    <message>
        <source>αιθανικό οξύ</source>
        <translation>ethanoic acid</translation>
    </message>
    <message>
        <source>προπανικό οξύ</source>
        <translation>propanoic acid</translation>
    </message>
    <message>
        <source>κορεσμένο μονοκαρβοξυλικό οξύ</source>
        <translation>saturated monocarboxylic acid</translation>
    </message>
    <message>
        <source>αμμωνία</source>
        <translation>ammonia</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Παράδοση εργασίας</source>
        <extracomment>The title of the dialog in which a student hands in their work.</extracomment>
        <translation>Hand in your work</translation>
    </message>
    <message>
        <source>Η εργασία σας βαθμολογείται όπως είναι τώρα και παραδίδεται στον καθηγητή σας σε δύο αρχεία: το φύλλο σας ως PDF και την καταγραφή του. Το φύλλο στο παράθυρο μένει όπως είναι.</source>
        <translation>Your work is marked as it stands now and handed in to your teacher in two files: your worksheet as a PDF and its record. The worksheet in the window stays as it is.</translation>
    </message>
    <message>
        <source>Ονοματεπώνυμο:</source>
        <extracomment>The label of the field for the student&apos;s full name.</extracomment>
        <translation>Full name:</translation>
    </message>
    <message>
        <source>Τάξη:</source>
        <extracomment>The label of the field for the student&apos;s class at school, such as &quot;Β2&quot;.</extracomment>
        <translation>Class:</translation>
    </message>
    <message>
        <source>π.χ. Β2</source>
        <extracomment>The hint in the empty field for the class: an example of a class&apos;s name.</extracomment>
        <translation>e.g. 11B</translation>
    </message>
    <message>
        <source>Φάκελος:</source>
        <extracomment>The label of the folder the work is handed in to.</extracomment>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Παράδοση</source>
        <extracomment>The dialog&apos;s button that hands the work in.</extracomment>
        <translation>Hand in</translation>
    </message>
    <message>
        <source>Εκτύπωση...</source>
        <extracomment>The dialog&apos;s button that prints the student&apos;s sheet.</extracomment>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Γράψτε το ονοματεπώνυμό σας.</source>
        <translation>Please type your full name.</translation>
    </message>
    <message>
        <source>Γράψτε την τάξη σας.</source>
        <translation>Please type your class.</translation>
    </message>
    <message>
        <source>Γράψτε το ονοματεπώνυμο και την τάξη σας.</source>
        <translation>Please type your full name and your class.</translation>
    </message>
    <message>
        <source>Η εργασία σας παραδόθηκε. Τα δύο αρχεία της βρίσκονται στον φάκελο
%1

%2
%3</source>
        <translation>Your work has been handed in. Its two files are in the folder
%1

%2
%3</translation>
    </message>
    <message>
        <source>Η εργασία δεν παραδόθηκε: ο φάκελος
%1
δεν υπάρχει και δεν ήταν δυνατό να δημιουργηθεί.</source>
        <translation>Your work was not handed in: the folder
%1
does not exist and could not be created.</translation>
    </message>
    <message>
        <source>Η εργασία δεν παραδόθηκε: δεν ήταν δυνατό να γραφτεί στον φάκελο
%1</source>
        <translation>Your work was not handed in: nothing could be written to the folder
%1</translation>
    </message>
    <message>
        <source>Η εργασία δεν παραδόθηκε: το ονοματεπώνυμο, η τάξη ή κάποιος συντελεστής έχει τόσο μεγάλο κείμενο που η καταγραφή της δεν θα διαβαζόταν. Συντομέψτε το και δοκιμάστε ξανά.</source>
        <translation>Your work was not handed in: the name, the class or a coefficient holds so much text that its record could not be read. Shorten it and try again.</translation>
    </message>
    <message>
        <source>Τίποτα δεν γράφτηκε και η εργασία σας είναι ακόμη στο παράθυρο. Δοκιμάστε ξανά, τυπώστε την ή ζητήστε βοήθεια από τον καθηγητή σας.</source>
        <translation>Nothing was written, and your work is still in the window. Try again, print it, or ask your teacher for help.</translation>
    </message>
    <message>
        <source>Η εκτύπωση δεν έγινε.</source>
        <translation>The worksheet could not be printed.</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>Όνομα:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Τάξη:</source>
        <extracomment>The student&apos;s class at school, as in &quot;Τάξη: Β΄ Λυκείου&quot;.</extracomment>
        <translation>Class:</translation>
    </message>
    <message>
        <source>Ημερομηνία:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Γράψτε σε κάθε κενό των αντιδράσεων τον χημικό τύπο της ένωσης που λείπει. Οι ενώσεις είναι οι πέντε παρακάτω· η καθεμιά μπορεί να χρειαστεί σε περισσότερα από ένα κενά. Στα διακεκομμένα πλαίσια γράψτε τους ακέραιους συντελεστές των αντιδράσεων.</source>
        <translation>In each blank of the reactions, write the formula of the missing compound. The compounds are the five below; each may be needed in more than one blank. In the dashed boxes, write the whole-number coefficients of the equations.</translation>
    </message>
    <message>
        <source>Οι ενώσεις</source>
        <translation>The compounds</translation>
    </message>
    <message>
        <source>%1 — Λύσεις</source>
        <translation>%1 — Answers</translation>
    </message>
    <message>
        <source>Σύνολο μονάδων: %1</source>
        <translation>Total marks: %1</translation>
    </message>
    <message>
        <source>%1 μονάδες</source>
        <translation>%1 marks</translation>
    </message>
    <message>
        <source>Τα δύο προϊόντα κάθε αντίδρασης γράφονται με οποιαδήποτε σειρά.</source>
        <translation>The two products of each reaction may be written in either order.</translation>
    </message>
    <message>
        <source>%1 — %2, %3</source>
        <translation>%1 — %2, %3</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>The date and time a student handed in their work, as QDateTime::toString writes it: d day, M month, MMM its short name, yyyy year, HH hour, mm minutes.</extracomment>
        <translation>d MMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>Βαθμός: %1 %</source>
        <translation>Grade: %1 %</translation>
    </message>
    <message>
        <source>Έλεγχοι πριν από την παράδοση: %1</source>
        <extracomment>How many times the student had the worksheet checked before handing it in.</extracomment>
        <translation>Checks before handing in: %1</translation>
    </message>
    <message>
        <source>%1 από %2 μονάδες</source>
        <extracomment>A section&apos;s marks on a student&apos;s sheet: &quot;%1&quot; earned, &quot;%2&quot; the section&apos;s full marks.</extracomment>
        <translation>%1 of %2 marks</translation>
    </message>
</context>
<context>
    <name>Reactions</name>
    <message>
        <source>καταλύτες</source>
        <extracomment>Over a reaction arrow, in little room: keep it as short.</extracomment>
        <translation>catalysts</translation>
    </message>
    <message>
        <source>ή OH^−</source>
        <extracomment>Under the arrow, below &quot;H⁺&quot;: &quot;or OH⁻&quot;. &quot;^&quot; raises the next character; keep &quot;OH^−&quot; as it is.</extracomment>
        <translation>or OH^−</translation>
    </message>
    <message>
        <source>Καταλυτική οξείδωση βουτανίου, C4H10</source>
        <translation>Catalytic oxidation of butane, C4H10</translation>
    </message>
    <message>
        <source>καταλυτική οξείδωση</source>
        <translation>catalytic oxidation</translation>
    </message>
    <message>
        <source>καταλυτική οξείδωση βουτανίου</source>
        <translation>catalytic oxidation of butane</translation>
    </message>
    <message>
        <source>Αιθανάλη, CH3CHO, και οξυγόνο, O2, με καταλύτες</source>
        <translation>Ethanal, CH3CHO, and oxygen, O2, over catalysts</translation>
    </message>
    <message>
        <source>οξείδωση αιθανάλης</source>
        <translation>oxidation of ethanal</translation>
    </message>
    <message>
        <source>Μεθανόλη, CH3OH, και μονοξείδιο του άνθρακα, CO, με καταλύτες</source>
        <translation>Methanol, CH3OH, and carbon monoxide, CO, over catalysts</translation>
    </message>
    <message>
        <source>μεθανόλη και μονοξείδιο του άνθρακα</source>
        <translation>methanol and carbon monoxide</translation>
    </message>
    <message>
        <source>Αιθανόλη, CH3CH2OH, και οξυγόνο, O2, με αλκοοξειδάση</source>
        <translation>Ethanol, CH3CH2OH, and oxygen, O2, with alcohol oxidase</translation>
    </message>
    <message>
        <source>αλκοοξειδάση</source>
        <translation>alcohol oxidase</translation>
    </message>
    <message>
        <source>Ζωικά ή φυτικά λίπη</source>
        <translation>Animal or plant fats</translation>
    </message>
    <message>
        <source>ζωικά ή φυτικά λίπη</source>
        <translation>animal or plant fats</translation>
    </message>
    <message>
        <source>Οξείδωση αιθανόλης, CH3CH2OH</source>
        <translation>Oxidation of ethanol, CH3CH2OH</translation>
    </message>
    <message>
        <source>Οξείδωση προπανόλης, CH3CH2CH2OH</source>
        <translation>Oxidation of propan-1-ol, CH3CH2CH2OH</translation>
    </message>
    <message>
        <source>Οξείδωση αλκοόλης, CνH2ν+1CH2OH</source>
        <translation>Oxidation of an alcohol, CνH2ν+1CH2OH</translation>
    </message>
    <message>
        <source>Υδρόλυση αιθανονιτριλίου, CH3CN, με H+ ή OH−</source>
        <translation>Hydrolysis of ethanenitrile, CH3CN, with H+ or OH−</translation>
    </message>
    <message>
        <source>υδρόλυση αιθανονιτριλίου</source>
        <translation>hydrolysis of ethanenitrile</translation>
    </message>
    <message>
        <source>Υδρόλυση προπανονιτριλίου, CH3CH2CN, με H+ ή OH−</source>
        <translation>Hydrolysis of propanenitrile, CH3CH2CN, with H+ or OH−</translation>
    </message>
    <message>
        <source>υδρόλυση προπανονιτριλίου</source>
        <translation>hydrolysis of propanenitrile</translation>
    </message>
    <message>
        <source>Υδρόλυση νιτριλίου, CνH2ν+1CN, με H+ ή OH−</source>
        <translation>Hydrolysis of a nitrile, CνH2ν+1CN, with H+ or OH−</translation>
    </message>
    <message>
        <source>υδρόλυση νιτριλίου</source>
        <translation>hydrolysis of a nitrile</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Παραδόσεις: %1</source>
        <extracomment>Under the table: how many hand-ins the folder holds.</extracomment>
        <translation>Hand-ins: %1</translation>
    </message>
    <message>
        <source>Φάκελος: %1</source>
        <extracomment>Above the table: &quot;%1&quot; the path of the folder the hand-ins are read from.</extracomment>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Οι παραδόσεις των μαθητών</source>
        <extracomment>What a screen reader calls the table of the hand-ins.</extracomment>
        <translation>The students&apos; hand-ins</translation>
    </message>
    <message>
        <source>Αναζήτηση:</source>
        <extracomment>The label of the field that shows only the hand-ins whose name or class holds its text.</extracomment>
        <translation>Search:</translation>
    </message>
    <message>
        <source>όνομα ή τάξη</source>
        <extracomment>Greyed in the empty search field.</extracomment>
        <translation>name or class</translation>
    </message>
    <message>
        <source>Αναζήτηση με όνομα ή τάξη</source>
        <extracomment>What a screen reader calls the search field.</extracomment>
        <translation>Search by name or class</translation>
    </message>
    <message>
        <source>Όνομα</source>
        <extracomment>The student&apos;s name, as typed at the hand-in.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Τάξη</source>
        <extracomment>The student&apos;s class at school, such as Β2.</extracomment>
        <translation>Class</translation>
    </message>
    <message>
        <source>Παράδοση</source>
        <extracomment>The date and time the work was handed in.</extracomment>
        <translation>Handed in</translation>
    </message>
    <message>
        <source>Βαθμός</source>
        <extracomment>The student&apos;s mark for the worksheet, in per cent; not a degree.</extracomment>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Ενότητα %1</source>
        <translation>Section %1</translation>
    </message>
    <message>
        <source>Έλεγχοι</source>
        <extracomment>How many times the student asked for a check before handing in.</extracomment>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Διάρκεια</source>
        <extracomment>How long the student worked, from the start of the worksheet to the hand-in.</extracomment>
        <translation>Time taken</translation>
    </message>
    <message>
        <source>Λογαριασμός</source>
        <extracomment>The login the work was handed in from.</extracomment>
        <translation>Account</translation>
    </message>
    <message>
        <source>Αρχείο</source>
        <extracomment>The file name of the hand-in&apos;s record in the folder.</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <source>Κατάσταση</source>
        <extracomment>A column of the CSV: whether the file is a hand-in or cannot be read.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ενότητα %1 (από %2)</source>
        <translation>Section %1 (out of %2)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The grade in per cent, as in 72 %.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Δεν διαβάζεται: %1</source>
        <extracomment>In the name&apos;s column, for a file that is not a hand-in the table can read: &quot;%1&quot; the file&apos;s name.</extracomment>
        <translation>Unreadable: %1</translation>
    </message>
    <message>
        <source>Το αρχείο δεν είναι παράδοση αυτού του προγράμματος, ή είναι κατεστραμμένο ή άλλης έκδοσης.</source>
        <translation>The file is not a hand-in of this program, or it is damaged or of another version.</translation>
    </message>
    <message>
        <source>παράδοση</source>
        <extracomment>In the CSV&apos;s status column, for a file that is a hand-in.</extracomment>
        <translation>hand-in</translation>
    </message>
    <message>
        <source>δεν διαβάζεται</source>
        <extracomment>In the CSV&apos;s status column, for a file that is not a hand-in the table can read.</extracomment>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>Αρχεία που δεν διαβάζονται: %1</source>
        <translation>Unreadable files: %1</translation>
    </message>
    <message>
        <source>Εμφανίζονται: %1</source>
        <extracomment>How many rows the search leaves in the table.</extracomment>
        <translation>Shown: %1</translation>
    </message>
    <message>
        <source>Ο φάκελος %1 δεν διαβάζεται τώρα· ο πίνακας δείχνει ό,τι βρέθηκε πριν.</source>
        <extracomment>Under the table, when the folder cannot be read again: &quot;%1&quot; its path.</extracomment>
        <translation>The folder %1 cannot be read now; the table shows what was found before.</translation>
    </message>
    <message>
        <source>Άνοιγμα PDF</source>
        <extracomment>A button: opens the selected student&apos;s page, a PDF document.</extracomment>
        <translation>Open PDF</translation>
    </message>
    <message>
        <source>Αποθήκευση ως CSV...</source>
        <extracomment>A button: saves the table as a CSV file, through a file dialog.</extracomment>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>Αποθήκευση ως CSV</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Αρχεία CSV (*.csv)</source>
        <extracomment>The file dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Ανανέωση</source>
        <extracomment>A button: reads the folder again.</extracomment>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Ο πίνακας δεν αποθηκεύτηκε στο αρχείο
%1</source>
        <translation>The table could not be saved to the file
%1</translation>
    </message>
    <message>
        <source>Η σελίδα του μαθητή σε PDF δεν βρέθηκε. Θα ήταν το αρχείο
%1</source>
        <translation>The student&apos;s page, a PDF, was not found. It would be the file
%1</translation>
    </message>
    <message>
        <source>Η σελίδα του μαθητή δεν άνοιξε. Βρίσκεται στο αρχείο
%1
και μπορείτε να την ανοίξετε από εκεί με ένα πρόγραμμα για αρχεία PDF.</source>
        <translation>The student&apos;s page did not open. It is the file
%1
and you can open it from there with a program for PDF files.</translation>
    </message>
    <message>
        <source>Παραδόσεις — %1</source>
        <extracomment>The title of the teacher&apos;s window that lists the students&apos; hand-ins: &quot;%1&quot; the folder&apos;s name.</extracomment>
        <translation>Hand-ins — %1</translation>
    </message>
    <message>
        <source>Ταξινόμηση:</source>
        <extracomment>The label of the list that chooses the column the table is ordered by.</extracomment>
        <translation>Sort by:</translation>
    </message>
    <message>
        <source>Φθίνουσα</source>
        <extracomment>A check box beside the list of columns: the table in descending order.</extracomment>
        <translation>Descending</translation>
    </message>
</context>
<context>
    <name>Sections</name>
    <message>
        <source>Βιομηχανική παρασκευή</source>
        <translation>In industry</translation>
    </message>
    <message>
        <source>Το «βιομηχανικό» οξικό οξύ το οποίο χρησιμοποιείται στη σύνθεση άλλων προϊόντων παρασκευάζεται με τους παραπάνω τρεις τρόπους</source>
        <translation>The &quot;industrial&quot; ethanoic acid used to make other products is prepared in the three ways above</translation>
    </message>
    <message>
        <source>Το ξίδι</source>
        <translation>Vinegar</translation>
    </message>
    <message>
        <source>Το ξίδι είναι διάλυμα οξικού οξέος, το οποίο παρασκευάζεται από τη ζύμωση κρασιού ή άλλου αλκοολούχου ποτού μικρής περιεκτικότητας σε οινόπνευμα (περίπου 5% - 8%). Κατά τη διεργασία αυτή λαμβάνει χώρα οξείδωση της αιθυλικής αλκοόλης προς οξικό οξύ παρουσία του ένζυμου αλκοολοξειδάση.</source>
        <translation>Vinegar is a solution of ethanoic acid, made by the fermentation of wine or another drink low in alcohol (about 5% - 8%). In this process ethanol is oxidised to ethanoic acid in the presence of the enzyme alcohol oxidase.</translation>
    </message>
    <message>
        <source>Ανώτερα οξέα από τα λίπη</source>
        <translation>Higher acids from fats</translation>
    </message>
    <message>
        <source>Από τα ζωικά ή φυτικά λίπη μπορούμε με κατάλληλη διεργασία να πάρουμε τα ανώτερα μέλη της σειράς με μεγάλη καθαρότητα.</source>
        <translation>From animal or plant fats, a suitable process gives the higher members of the series in high purity.</translation>
    </message>
    <message>
        <source>Στο εργαστήριο</source>
        <translation>In the laboratory</translation>
    </message>
    <message>
        <source>Το αιθανικό οξύ παρασκευάζεται με οξείδωση της αιθυλικής αλκοόλης με τα κατάλληλα οξειδωτικά μέσα. Η παρασκευή αυτή μπορεί κάλλιστα να εφαρμοστεί και για άλλα κορεσμένα μονοκαρβοξυλικά οξέα.</source>
        <translation>Ethanoic acid is prepared by oxidising ethanol with suitable oxidising agents. The same preparation works just as well for other saturated monocarboxylic acids.</translation>
    </message>
    <message>
        <source>Υδρόλυση νιτριλίων</source>
        <translation>Hydrolysis of nitriles</translation>
    </message>
    <message>
        <source>Το αιθανικό οξύ παρασκευάζεται με υδρόλυση του αιθανονιτριλίου παρουσία οξέος ή βάσης. H παρασκευή αυτή μπορεί κάλλιστα να εφαρμοστεί και για άλλα κορεσμένα μονοκαρβοξυλικά οξέα.</source>
        <translation>Ethanoic acid is prepared by hydrolysing ethanenitrile in the presence of an acid or a base. The same preparation works just as well for other saturated monocarboxylic acids.</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Ενότητα %1 από 5, %2</source>
        <extracomment>A section of the worksheet, as a screen reader says it: &quot;%1&quot; its number, &quot;%2&quot; its title.</extracomment>
        <translation>Section %1 of 5, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>κενό προϊόντος</source>
        <extracomment>A blank (an empty place to fill in) of a reaction&apos;s product, not a vacuum.</extracomment>
        <translation>product blank</translation>
    </message>
    <message>
        <source>πρώτο κενό προϊόντος</source>
        <translation>first product blank</translation>
    </message>
    <message>
        <source>δεύτερο κενό προϊόντος</source>
        <translation>second product blank</translation>
    </message>
    <message>
        <source>άδειο</source>
        <extracomment>A blank that holds no compound yet.</extracomment>
        <translation>empty</translation>
    </message>
    <message>
        <source>Διάστημα, Enter ή βέλη: η επόμενη ένωση. Delete: αφαίρεση της ένωσης. Page Down, Page Up: η επόμενη ή η προηγούμενη ενότητα. F1: ξανά αυτές οι οδηγίες.</source>
        <translation>Space, Enter or arrows: the next compound. Delete: remove the compound. Page Down, Page Up: the next or the previous section. F1: these instructions again.</translation>
    </message>
    <message>
        <source>Συντελεστής του %1, %2</source>
        <comment>reactant</comment>
        <extracomment>A stoichiometric coefficient box: &quot;%1&quot; the reactant&apos;s formula, &quot;%2&quot; the reaction.</extracomment>
        <translation>Coefficient of %1, %2</translation>
    </message>
    <message>
        <source>Συντελεστής του %1 %2, %3</source>
        <extracomment>A stoichiometric coefficient box: &quot;%1&quot; which product (genitive), &quot;%2&quot; its formula, &quot;%3&quot; the reaction.</extracomment>
        <translation>Coefficient of the %1 %2, %3</translation>
    </message>
    <message>
        <source>Συντελεστής του %1, %2</source>
        <comment>empty product</comment>
        <extracomment>A stoichiometric coefficient box of a product whose blank is empty: &quot;%1&quot; which product (genitive), &quot;%2&quot; the reaction.</extracomment>
        <translation>Coefficient of the %1, %2</translation>
    </message>
    <message>
        <source>προϊόντος</source>
        <translation>product</translation>
    </message>
    <message>
        <source>πρώτου προϊόντος</source>
        <translation>first product</translation>
    </message>
    <message>
        <source>δεύτερου προϊόντος</source>
        <translation>second product</translation>
    </message>
    <message>
        <source>Βαθμός</source>
        <extracomment>The student&apos;s mark for the worksheet, in per cent; not a degree.</extracomment>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Μέγεθος %1 %</source>
        <extracomment>Said when the worksheet is zoomed: &quot;%1&quot; the new zoom in per cent.</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Βαθμός: %1 %.</source>
        <translation>Mark: %1 %.</translation>
    </message>
    <message>
        <source>Καμία ενότητα δεν είναι σωστή.</source>
        <translation>No section is right.</translation>
    </message>
    <message>
        <source>Σωστή η ενότητα %1.</source>
        <translation>Section %1 is right.</translation>
    </message>
    <message>
        <source>Σωστές οι ενότητες %1 και %2.</source>
        <translation>Sections %1 and %2 are right.</translation>
    </message>
    <message>
        <source>Καμία ένωση δεν επέστρεψε στην παλέτα.</source>
        <translation>No compound went back to the palette.</translation>
    </message>
    <message>
        <source>Μία ένωση επέστρεψε στην παλέτα.</source>
        <translation>One compound went back to the palette.</translation>
    </message>
    <message>
        <source>%1 ενώσεις επέστρεψαν στην παλέτα.</source>
        <translation>%1 compounds went back to the palette.</translation>
    </message>
    <message>
        <source>Σβήστηκαν οι λάθος συντελεστές μιας αντίδρασης.</source>
        <translation>The wrong coefficients of one reaction were cleared.</translation>
    </message>
    <message>
        <source>Σβήστηκαν οι λάθος συντελεστές %1 αντιδράσεων.</source>
        <translation>The wrong coefficients of %1 reactions were cleared.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Παρασκευές οργανικών οξέων</source>
        <translation>Preparations of carboxylic acids</translation>
    </message>
    <message>
        <source>Βοήθεια</source>
        <extracomment>A menu command: shows the help.</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Έλεγχος</source>
        <extracomment>A menu command: the worksheet marks the answers.</extracomment>
        <translation>Check</translation>
    </message>
    <message>
        <source>Απ&apos; την αρχή</source>
        <extracomment>A menu command: start the worksheet over, empty.</extracomment>
        <translation>Start over</translation>
    </message>
    <message>
        <source>Φύλλο εργασίας</source>
        <extracomment>A menu command, and its message&apos;s title: opens the printable worksheet, a school worksheet (not a spreadsheet).</extracomment>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Περί...</source>
        <extracomment>A menu command: the About window.</extracomment>
        <translation>About...</translation>
    </message>
    <message>
        <source>Έξοδος</source>
        <extracomment>A menu command: quits the program.</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Σύρετε με πατημένο κλικ τις ενώσεις που βρίσκονται σε πράσινο πλαίσιο στο πάνω μέρος του παραθύρου, πάνω στις αντίστοιχες αντιδράσεις που βρίσκονται σε κίτρινο πλαίσιο.</source>
        <translation>Drag the compounds in green boxes at the top of the window, holding the mouse button down, onto the matching reactions in the yellow frames.</translation>
    </message>
    <message>
        <source>Προσθέσετε τους ακέραιους συντελεστές των αντιδράσεων.</source>
        <translation>Add the whole-number coefficients of the equations.</translation>
    </message>
    <message>
        <source>Όταν τελειώσετε ζητήστε έλεγχο της προσπάθειάς σας.</source>
        <translation>When you have finished, ask for your work to be checked.</translation>
    </message>
    <message>
        <source>Με Ctrl και + ή Ctrl και − (ή με Ctrl και τη ροδέλα του ποντικιού) το φύλλο μεγαλώνει ή μικραίνει· με Ctrl και 0 επιστρέφει στο κανονικό του μέγεθος.</source>
        <translation>Ctrl and + or Ctrl and − (or Ctrl and the mouse wheel) make the worksheet larger or smaller; Ctrl and 0 returns it to its normal size.</translation>
    </message>
    <message>
        <source>η μεταφορά ξεκινάει με πατημένο κλικ</source>
        <extracomment>Tooltip of a compound card on the palette: drag it with the button held down. Lower case, like a tooltip.</extracomment>
        <translation>hold the mouse button down to drag</translation>
    </message>
    <message>
        <source>αφαιρέστε το με διπλό κλικ</source>
        <extracomment>Tooltip of a compound card placed in a blank: a double click removes it.</extracomment>
        <translation>double-click to remove it</translation>
    </message>
    <message>
        <source>Το φύλλο εργασίας δεν άνοιξε. Βρίσκεται στο αρχείο
%1
και μπορείτε να το ανοίξετε από εκεί με ένα πρόγραμμα για αρχεία PDF.</source>
        <translation>The worksheet did not open. It is the file
%1
and you can open it from there with a program for PDF files.</translation>
    </message>
    <message>
        <source>Το φύλλο εργασίας δεν βρέθηκε στο αρχείο
%1
και δεν ήταν δυνατό να γραφτεί αντίγραφό του σε άλλο φάκελο.</source>
        <translation>The worksheet was not found at
%1
and no copy of it could be written to another folder.</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The name of the other language in its own words, on the help&apos;s button that chooses it: leave it as it is.</extracomment>
        <translation>English</translation>
    </message>
    <message>
        <source>Ελληνικά</source>
        <extracomment>As &quot;English&quot;: the language&apos;s name in its own words; leave it as it is.</extracomment>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <source>Η γλώσσα θα αλλάξει την επόμενη φορά που θα ανοίξει το πρόγραμμα.
The language will change the next time the program starts.</source>
        <extracomment>Said in both languages, as the window keeps this run&apos;s: leave both lines as they are.</extracomment>
        <translation>Η γλώσσα θα αλλάξει την επόμενη φορά που θα ανοίξει το πρόγραμμα.
The language will change the next time the program starts.</translation>
    </message>
    <message>
        <source>Την προηγούμενη φορά το πρόγραμμα δεν έκλεισε κανονικά. Η εργασία σας δεν χάθηκε: το φύλλο εργασίας είναι όπως το αφήσατε.</source>
        <translation>The program did not close properly last time. Your work is not lost: the worksheet is just as you left it.</translation>
    </message>
    <message>
        <source>Η εργασία που είχε μείνει από την προηγούμενη φορά δεν ήταν δυνατό να διαβαστεί, γι&apos; αυτό το φύλλο εργασίας ξεκινά από την αρχή. Το αρχείο της φυλάχτηκε ως
%1</source>
        <translation>The work left from last time could not be read, so the worksheet starts afresh. Its file was put aside as
%1</translation>
    </message>
    <message>
        <source>Παράδοση...</source>
        <extracomment>A menu command: the student hands in their work to the teacher, as a PDF and a record.</extracomment>
        <translation>Hand in...</translation>
    </message>
</context>
</TS>
