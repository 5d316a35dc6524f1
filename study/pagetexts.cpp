// Texts of the ten memorise pages, one page per multiplication table.
// Left: a short joke or anecdote; right: a few facts or sayings, with
// several items separated by " *** ". Every text is sized to fit its
// label, so keep the character counts when editing.
#include "study/pagetexts.h"

namespace study {

const PageTexts kPageTexts[10] = {
    { // page 1
        "Padişah bir gün şehri gezerken zeki bir çocukla karşılaşmış. Ona "
        "demiş: \"Sana bir altın mı vereyim, yoksa bir hafta boyunca her gün bir "
        "öncekinin iki katını mı?\" Çocuk saymış: \"İki katını isterim, padişahım! "
        "Bir, iki, dört, sekiz, on altı, otuz iki, altmış dört... Hepsi yüz "
        "yirmi yedi altın eder!\" Padişah gülüp ona bir kese altın vermiş.",
        "Bir kilo bal; arıların milyonlarca çiçeği ziyaret etmesiyle yapılır ve "
        "iyi saklanırsa yıllarca bozulmaz. *** Ahtapotun üç kalbi ve mavi renkli "
        "kanı vardır. *** Zürafanın o upuzun boynunda da bizimki gibi sadece "
        "yedi omur vardır. *** Kelebekler tatları ayaklarıyla alır.",
    },
    { // page 2
        "Adamın biri yoldan geçerken ağlayan bir çocuk görmüş. \"Niye "
        "ağlıyorsun?\" \"Bir lira kaybettim!\" Adam ona bir lira vermiş. Çocuk daha "
        "da ağlamış. \"Şimdi niye ağlıyorsun?\" \"Kaybetmeseydim iki liram "
        "olacaktı!\"",
        "Dağ tepesinde bir dağ olmazsan, yamaçta bir ağaç ol. Ağaç olamazsan, "
        "yol kenarında bir çiçek ol. Çiçek olamazsan, o çiçeğe su taşıyan bir "
        "damla ol. Yol olamazsan bir patika ol, güneş olamazsan yıldız ol. "
        "Herkes kaptan olamaz, gemide tayfaya da iş düşer, aşçıya da. Büyük ya "
        "da küçük olman önemli değil; önemli olan, ne olursan ol, onun en iyisi "
        "olmaktır.",
    },
    { // page 3
        "Ahmet, notlarını babasından önce öğrenmek istiyormuş. Arkadaşı Can'la "
        "anlaşmış: \"Notlarımı telefonla şifreli söyle. Beş için günaydın, dört "
        "için merhaba, üç için selam, daha azı için iyi geceler de.\" Akşam "
        "telefonu babası açmış. Can heyecanla: \"Günaydın, merhaba, iyi geceler, "
        "iyi geceler!\" demiş. Babası ise: \"Ahmet, arkadaşın sana bol bol iyi "
        "geceler diliyor. Hadi erken yat, yarın sabah ders çalışacağız!\"",
        "Servetini kaybeden zarar eder. Dostunu kaybeden daha çok zarar eder. "
        "Umudunu kaybeden ise her şeyini kaybeder. *** Bilgi, paylaştıkça "
        "azalmayan, tam tersine çoğalan tek hazinedir; bildiğini arkadaşına da "
        "öğret. *** Damlaya damlaya göl olur; her gün biraz çalışan, sonunda çok "
        "şey öğrenir; başardıkça sevinir. ***",
    },
    { // page 4
        "Öğretmen sınıfa sorar: \"Çocuklar, bir elimde beş elma, öbür elimde de "
        "altı elma olsa ne olur?\" Herkes düşünürken en arkadaki Temel hemen "
        "parmağını kaldırır: \"Çok kolay, öğretmenim! Kocaman elleriniz olur!\"",
        "Bir bal arısı, çiçeklerin yerini öbür arılara dans ederek anlatır. *** "
        "Mavi balina, dünyada yaşamış bilinen en büyük hayvandır. *** Penguenler "
        "uçamaz ama suyun altında uçar gibi hızlı yüzer. *** Yunuslar uyurken "
        "beyinlerinin yarısı uyanık kalır, böylece nefes almak için yüzeye "
        "çıkabilir.",
    },
    { // page 5
        "Kadı Temel'e sormuş: \"Komşunun ağacından elma koparmışsın, doğru mu?\" "
        "Temel: \"Yok, kadı efendi! Elma düşüyordu, yere değmesin diye "
        "tuttum!\" Kadı gülmüş, elmayı sahibine verdirmiş.",
        "Bir karınca ağırlığının kat kat fazlasını taşıyabilir; bazıları kendi "
        "ağırlığının onlarca katını kaldırır. *** Örümcekler böcek değildir; "
        "böceklerin altı, örümceklerin ise sekiz bacağı vardır. *** Güneş'in "
        "ışığı Dünya'ya yaklaşık sekiz dakikada gelir. *** Ay'da hava olmadığı "
        "için ses yayılmaz.",
    },
    { // page 6
        "İki kasabanın imamları, cemaatten kurdukları takımlarla her hafta "
        "dostça bir futbol maçı yaparmış. Bir takım hep yenilirmiş. Kaybeden "
        "takımın imamı bir gün sormuş: \"Hocam, maçtan önce ben de dua ediyorum, "
        "siz de ediyorsunuz. Neden hep siz kazanıyorsunuz?\" Öbür imam "
        "gülümsemiş: \"Biz dua ediyoruz, ama her sabah bir de koşuya çıkıyoruz! "
        "Dua ile birlikte çalışmak da gerek!\"",
        "Günlerini say, büyüklerini say, küçüklerini sev. Güler yüzünü kimseden "
        "esirgeme. Her günün bir armağan olduğunu bil, onu boşa harcama. "
        "Büyüklerinin bilgisinden öğren, küçüklerine de bildiklerini öğret. "
        "Böylece hem günlerin dolu dolu geçer hem de gönlün sevgiyle dolar.",
    },
    { // page 7
        "Adamın biri Bayburt'a gitmiş. Yolda yaşlı bir amcaya sormuş: \"Amca, "
        "buradan kaleye kaç dakikada varırım?\" Amca cevap vermemiş. Adam omuz "
        "silkip yürümeye başlamış. Birkaç adım sonra amca seslenmiş: \"On beş "
        "dakika!\" \"Amca, niye baştan söylemedin?\" \"Nasıl yürüdüğünü görmeden "
        "nasıl bileyim, evladım?\"",
        "Eğer çok şiddetli hapşırırsak ağzımızdan ve burnumuzdan çıkan "
        "damlacıklar birkaç metre uçabilir; bunun için hapşırırken ağzımızı "
        "ve burnumuzu dirseğimizle örtmeliyiz. *** Çoğumuzun hapşırırken gözleri "
        "kendiliğinden kapanır. *** En küçük kemiğimiz kulağımızın içindedir. "
        "*** Parmak izleri herkeste farklıdır, tek yumurta ikizlerinde bile.",
    },
    { // page 8
        "Televizyona çok meraklı bir çocuğun annesi bir gün ona sormuş: \"Oğlum, "
        "büyüyünce ne olmak istersin? Doktor mu, ressam mı?\" Çocuk hiç "
        "düşünmeden cevap vermiş: \"Kumanda!\" \"Neden kumanda?\" \"Çünkü bu evde "
        "herkes hep onu arıyor, hem de en çok onun sözü geçiyor!\"",
        "Çocuklar ilkbaharda daha fazla büyür. *** Sabahları akşamlardan biraz "
        "daha uzunuzdur; gün içinde omurgamızdaki diskler hafifçe sıkışır. *** "
        "Uyurken vücudumuz büyüme hormonu üretir; iyi uyumak büyümeye yardım "
        "eder. ",
    },
    { // page 9
        "Adam yolda arkadaşına rastlar. Bir de bakar ki arkadaşının bir ayağında "
        "kırmızı, öbür ayağında mavi çorap var. \"Çorapların birbirini hiç "
        "tutmuyor!\" der. Arkadaşı şaşırır: \"Evet, çok tuhaf! Evde de tıpkı "
        "bunun gibi bir çift daha duruyor!\"",
        "Boğalar renk körüdür. Onları kızdıran pelerinin rengi değil, "
        "sallanmasıdır. *** Kediler günün çoğunu uyuyarak geçirir. *** Deve "
        "hörgücünde su değil yağ depolar. *** Birçok yarasa karanlıkta yolunu "
        "seslerin yankısıyla bulur. ",
    },
    { // page 10
        "Hakim Temel'e sormuş : \"Kaç yaşındasın?\" \"Otuz, hakim bey.\" \"Geçen yıl "
        "da otuz demiştin!\" \"Ben bir kez dediğim sözden dönmem!\" "
        "-----------Temel bakkala gitmiş: \"Yarım ekmek ver.\" Bakkal: \"Yarım "
        "ekmek satmıyoruz.\" Temel: \"O zaman iki yarım ver!\" ",
        "Kötülüğe engel olmak, iyilik yapmak kadar değerlidir. *** Bilmemek ayıp "
        "değil, öğrenmemek ayıptır. *** Tatlı dil yılanı deliğinden çıkarır; "
        "güzel bir söz her gönlü açar. *** Bir elin nesi var, iki elin sesi var; "
        "birlikte çalışan kazanır. *** Ağaç yaşken eğilir; iyi alışkanlıklar "
        "küçükken kazanılır.",
    },
};

} // namespace study
