<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>Accessible name</name>
    <message>
        <source>Training value %1</source>
        <translation>ค่าข้อมูลฝึกช่องที่ %1</translation>
    </message>
    <message>
        <source>Unseen value %1</source>
        <translation>ค่าข้อมูลใหม่ช่องที่ %1</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>เฉพาะ</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>ข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>ปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>แถวที่ %1 ของ %2</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>ค่าที่ %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>The textbook&apos;s G also has %1.</source>
        <translation>G ของตำรายังมี %1</translation>
    </message>
    <message>
        <source>The program&apos;s G also has %1.</source>
        <translation>G ของโปรแกรมยังมี %1</translation>
    </message>
    <message>
        <source>The textbook&apos;s version space also has %1.</source>
        <translation>ปริภูมิเวอร์ชันของตำรายังมี %1</translation>
    </message>
    <message>
        <source>The program&apos;s version space also has %1.</source>
        <translation>ปริภูมิเวอร์ชันของโปรแกรมยังมี %1</translation>
    </message>
    <message>
        <source>The program&apos;s row %1 contradicts example %2, %3.</source>
        <translation>แถว %1 ของโปรแกรมขัดแย้งกับตัวอย่างที่ %2 คือ %3</translation>
    </message>
    <message>
        <source>The textbook&apos;s version space votes %1 of %2 for it, the program&apos;s %3 of %4.</source>
        <translation>ปริภูมิเวอร์ชันของตำราลงคะแนนยอมรับ %1 จาก %2 ของโปรแกรม %3 จาก %4</translation>
    </message>
    <message>
        <source>The textbook learner has no consistent hypothesis left; the program&apos;s learner goes on, and may recover.</source>
        <translation>ตัวเรียนรู้ตามตำราไม่เหลือสมมติฐานที่สอดคล้องแล้ว ตัวเรียนรู้ของโปรแกรมยังทำต่อและอาจกลับมาได้</translation>
    </message>
    <message>
        <source>The two learners differed after %1 of %2 presses; the first was press %3.</source>
        <translation>ตัวเรียนรู้ทั้งสองต่างกันหลังการกด %1 จาก %2 ครั้ง ครั้งแรกคือการกดครั้งที่ %3</translation>
    </message>
    <message>
        <source>The two learners agreed after every press.</source>
        <translation>ตัวเรียนรู้ทั้งสองตรงกันหลังการกดทุกครั้ง</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Concept Learning Tutor</source>
        <translation>โปรแกรมสอนการเรียนรู้มโนทัศน์</translation>
    </message>
    <message>
        <source>Watch candidate elimination narrow the version space, example by example</source>
        <translation>ดูการตัดตัวเลือกบีบปริภูมิเวอร์ชันให้แคบลงทีละตัวอย่าง</translation>
    </message>
    <message>
        <source>Learn concepts by candidate elimination, one example at a time</source>
        <translation>เรียนรู้มโนทัศน์ด้วยการตัดตัวเลือก ทีละตัวอย่าง</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Positive example %1.</source>
        <translation>ตัวอย่างบวก %1</translation>
    </message>
    <message>
        <source>Negative example %1.</source>
        <translation>ตัวอย่างลบ %1</translation>
    </message>
    <message>
        <source>G loses what rejects it: %1.</source>
        <translation>G เสียแถวที่ปฏิเสธตัวอย่างนี้: %1</translation>
    </message>
    <message>
        <source>G loses what accepts it: %1.</source>
        <translation>G เสียแถวที่ยอมรับตัวอย่างนี้: %1</translation>
    </message>
    <message>
        <source>G loses what another of its rows is more general than: %1.</source>
        <translation>G เสียแถวที่มีแถวอื่นของ G ทั่วไปกว่า: %1</translation>
    </message>
    <message>
        <source>S rules it out at attribute %1, so G gains %2.</source>
        <translation>S ตัดตัวอย่างนี้ออกที่คุณลักษณะ %1 จึงเพิ่ม %2 ให้ G</translation>
    </message>
    <message>
        <source>S rules it out at attributes %1, so G gains %2.</source>
        <translation>S ตัดตัวอย่างนี้ออกที่คุณลักษณะ %1 จึงเพิ่ม %2 ให้ G</translation>
    </message>
    <message>
        <source>S is unchanged.</source>
        <translation>S ไม่เปลี่ยน</translation>
    </message>
    <message>
        <source>S becomes the example.</source>
        <translation>S กลายเป็นตัวอย่างนี้</translation>
    </message>
    <message>
        <source>S becomes %1: attribute %2 no longer matters.</source>
        <translation>S กลายเป็น %1: คุณลักษณะ %2 ไม่มีผลอีกต่อไป</translation>
    </message>
    <message>
        <source>S becomes %1: attributes %2 no longer matter.</source>
        <translation>S กลายเป็น %1: คุณลักษณะ %2 ไม่มีผลอีกต่อไป</translation>
    </message>
    <message>
        <source>S rules it out at %1, so G gains %2.</source>
        <translation>S ตัดตัวอย่างนี้ออกที่ %1 จึงเพิ่ม %2 ให้ G</translation>
    </message>
    <message>
        <source>S becomes %1: %2 no longer matters.</source>
        <translation>S กลายเป็น %1: %2 ไม่มีผลอีกต่อไป</translation>
    </message>
    <message>
        <source>S becomes %1: %2 no longer matter.</source>
        <translation>S กลายเป็น %1: %2 ไม่มีผลอีกต่อไป</translation>
    </message>
    <message>
        <source>There is no version space yet.</source>
        <translation>ยังไม่มีปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>The version space has one row.</source>
        <translation>ปริภูมิเวอร์ชันมีหนึ่งแถว</translation>
    </message>
    <message>
        <source>The version space has %1 rows.</source>
        <translation>ปริภูมิเวอร์ชันมี %1 แถว</translation>
    </message>
    <message>
        <source>G is empty: no hypothesis is consistent with the learning data.</source>
        <translation>G ว่าง: ไม่มีสมมติฐานใดสอดคล้องกับข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data any more: G, S and the version space stay empty until Clear.</source>
        <translation>ไม่มีสมมติฐานใดสอดคล้องกับข้อมูลการเรียนรู้อีกแล้ว: G, S และปริภูมิเวอร์ชันว่างจนกว่าจะกด ล้าง</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data: the example changes nothing until Clear.</source>
        <translation>ไม่มีสมมติฐานใดสอดคล้องกับข้อมูลการเรียนรู้: ตัวอย่างนี้ไม่เปลี่ยนอะไรจนกว่าจะกด ล้าง</translation>
    </message>
    <message>
        <source>Example %1 repeats example %2: nothing changes.</source>
        <translation>ตัวอย่าง %1 ซ้ำกับตัวอย่างที่ %2: ไม่มีอะไรเปลี่ยน</translation>
    </message>
    <message>
        <source>Not learnt: G would need %1 rows, more than %2.</source>
        <translation>ไม่ได้เรียนรู้: G จะต้องมี %1 แถว มากกว่า %2</translation>
    </message>
    <message>
        <source>Not learnt: the version space would need %1 rows, more than %2.</source>
        <translation>ไม่ได้เรียนรู้: ปริภูมิเวอร์ชันจะต้องมี %1 แถว มากกว่า %2</translation>
    </message>
    <message>
        <source>Not learnt: no more than %1 examples can be learnt.</source>
        <translation>ไม่ได้เรียนรู้: เรียนรู้ได้ไม่เกิน %1 ตัวอย่าง</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is positive.</source>
        <translation>สมมติฐาน %1 จาก %2 ยอมรับ คำตอบจึงเป็นบวก</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is negative.</source>
        <translation>สมมติฐาน %1 จาก %2 ยอมรับ คำตอบจึงเป็นลบ</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is undecided.</source>
        <translation>สมมติฐาน %1 จาก %2 ยอมรับ คำตอบจึงยังตัดสินไม่ได้</translation>
    </message>
    <message>
        <source>The version space&apos;s one row accepts it, so the answer is positive.</source>
        <translation>แถวเดียวของปริภูมิเวอร์ชันยอมรับ คำตอบจึงเป็นบวก</translation>
    </message>
    <message>
        <source>The version space&apos;s one row rejects it, so the answer is negative.</source>
        <translation>แถวเดียวของปริภูมิเวอร์ชันปฏิเสธ คำตอบจึงเป็นลบ</translation>
    </message>
    <message>
        <source>There is no version space to vote yet.</source>
        <translation>ยังไม่มีปริภูมิเวอร์ชันที่จะลงคะแนน</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data, so there is nothing to vote.</source>
        <translation>ไม่มีสมมติฐานใดสอดคล้องกับข้อมูลการเรียนรู้ จึงไม่มีอะไรลงคะแนน</translation>
    </message>
    <message>
        <source>Gen Text writes the version space to the hypothesis file.</source>
        <translation>Gen Text เขียนปริภูมิเวอร์ชันลงไฟล์สมมติฐาน</translation>
    </message>
    <message>
        <source>Clear forgets every example: G and S are as at the start.</source>
        <translation>ล้าง ลืมตัวอย่างทั้งหมด: G และ S กลับเป็นเหมือนตอนเริ่ม</translation>
    </message>
    <message>
        <source>Exit ends the session.</source>
        <translation>ออก จบเซสชัน</translation>
    </message>
    <message>
        <source>Negative is greyed until the first positive example: nothing happens.</source>
        <translation>ปุ่ม ลบ ใช้ไม่ได้จนกว่าจะมีตัวอย่างบวกตัวแรก: ไม่มีอะไรเกิดขึ้น</translation>
    </message>
    <message>
        <source>Negative example %1 comes before the first positive one: the program&apos;s learner ignores it, as Negative is greyed; the textbook learner holds it and learns it right after the first positive example.</source>
        <translation>ตัวอย่างลบ %1 มาก่อนตัวอย่างบวกตัวแรก: ตัวเรียนรู้ของโปรแกรมไม่สนใจ เพราะปุ่ม ลบ ใช้ไม่ได้ ตัวเรียนรู้ตามตำราเก็บไว้และเรียนรู้ทันทีหลังตัวอย่างบวกตัวแรก</translation>
    </message>
    <message>
        <source>Next, the textbook learner learns the negative example it held:</source>
        <translation>ต่อไป ตัวเรียนรู้ตามตำราเรียนรู้ตัวอย่างลบที่เก็บไว้:</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 และ %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 และอีก %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>… and %1 more rows, not listed here; Gen Text writes them all</source>
        <translation>… และอีก %1 แถว ไม่ได้แสดงที่นี่ Gen Text เขียนไว้ทั้งหมด</translation>
    </message>
    <message>
        <source>Undo takes the last action back.</source>
        <translation>เลิกทำ ย้อนการกระทำล่าสุด</translation>
    </message>
    <message>
        <source>Redo does the action undone again.</source>
        <translation>ทำซ้ำ ทำการกระทำที่เลิกทำไปอีกครั้ง</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>ไม่มีอะไรให้เลิกทำ</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>ไม่มีอะไรให้ทำซ้ำ</translation>
    </message>
    <message>
        <source>Right: S and G are as you wrote them.</source>
        <translation>ถูกต้อง: S และ G เป็นอย่างที่คุณเขียน</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong, %3 missing.</source>
        <translation>ถูก %1 ผิด %2 ขาด %3</translation>
    </message>
    <message>
        <source>The exercise is put away: the example is not learnt.</source>
        <translation>เก็บแบบฝึกหัดแล้ว: ยังไม่ได้เรียนรู้ตัวอย่างนี้</translation>
    </message>
    <message>
        <source>%1 is not the next S.</source>
        <translation>%1 ไม่ใช่ S ถัดไป</translation>
    </message>
    <message>
        <source>%1 leaves G: it rejects the positive example.</source>
        <translation>%1 ออกจาก G: แถวนี้ปฏิเสธตัวอย่างบวก</translation>
    </message>
    <message>
        <source>%1 leaves G: it accepts the negative example.</source>
        <translation>%1 ออกจาก G: แถวนี้ยอมรับตัวอย่างลบ</translation>
    </message>
    <message>
        <source>%1 leaves G: another of its rows is more general than it.</source>
        <translation>%1 ออกจาก G: มีแถวอื่นของ G ที่ทั่วไปกว่า</translation>
    </message>
    <message>
        <source>%1 stays in G: it accepts the positive example.</source>
        <translation>%1 ยังอยู่ใน G: แถวนี้ยอมรับตัวอย่างบวก</translation>
    </message>
    <message>
        <source>%1 stays in G: it rejects the negative example.</source>
        <translation>%1 ยังอยู่ใน G: แถวนี้ปฏิเสธตัวอย่างลบ</translation>
    </message>
    <message>
        <source>%1 is in the next G.</source>
        <translation>%1 อยู่ใน G ถัดไป</translation>
    </message>
    <message>
        <source>%1 comes from %2: S's value %3 at %4 rules out the negative example.</source>
        <translation>%1 มาจาก %2: ค่า %3 ของ S ที่ %4 ตัดตัวอย่างลบออก</translation>
    </message>
    <message>
        <source>attribute %1</source>
        <translation>คุณลักษณะ %1</translation>
    </message>
    <message>
        <source>%1 cannot be in G: it rejects the positive example.</source>
        <translation>%1 อยู่ใน G ไม่ได้: แถวนี้ปฏิเสธตัวอย่างบวก</translation>
    </message>
    <message>
        <source>%1 cannot be in G: it accepts the negative example.</source>
        <translation>%1 อยู่ใน G ไม่ได้: แถวนี้ยอมรับตัวอย่างลบ</translation>
    </message>
    <message>
        <source>%1 is not in the next G: no row of G becomes it on this example.</source>
        <translation>%1 ไม่อยู่ใน G ถัดไป: ไม่มีแถวใดของ G กลายเป็นแถวนี้จากตัวอย่างนี้</translation>
    </message>
    <message>
        <source>%1 is written twice.</source>
        <translation>%1 เขียนซ้ำสองครั้ง</translation>
    </message>
</context>
<context>
    <name>Export failure</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ไม่ใช่โฟลเดอร์</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>สร้างโฟลเดอร์ %1 ไม่ได้</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>มีโฟลเดอร์ชื่อเดียวกันขวางอยู่</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>เขียนไฟล์ได้ไม่ครบ</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ไม่ใช่ไฟล์ปกติ</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist</source>
        <translation>%1 เป็นลิงก์ไปยังไฟล์ที่ไม่มีอยู่</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s link in a folder shared by all users</source>
        <translation>%1 เป็นลิงก์ของผู้ใช้อื่นในโฟลเดอร์ที่ผู้ใช้ทุกคนใช้ร่วมกัน</translation>
    </message>
    <message>
        <source>the desktop folder is unknown: HOME is not an absolute path</source>
        <translation>ไม่ทราบโฟลเดอร์เดสก์ท็อป: HOME ไม่ใช่พาธแบบสัมบูรณ์</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Data not correct</source>
        <translation>ข้อมูลไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Duplicate Data</source>
        <translation>ข้อมูลซ้ำ</translation>
    </message>
    <message>
        <source>Cannot Learn</source>
        <translation>เรียนรู้ไม่ได้</translation>
    </message>
    <message>
        <source>This example was not learnt: the General boundary would need more than %1 rows.</source>
        <translation>ไม่ได้เรียนรู้ตัวอย่างนี้: ขอบเขตทั่วไปจะต้องมีมากกว่า %1 แถว</translation>
    </message>
    <message>
        <source>This example was not learnt: the Version Space would need more than %1 rows.</source>
        <translation>ไม่ได้เรียนรู้ตัวอย่างนี้: ปริภูมิเวอร์ชันจะต้องมีมากกว่า %1 แถว</translation>
    </message>
    <message>
        <source>This example was not learnt: no more than %1 examples can be learnt. Press Clear to start again.</source>
        <translation>ไม่ได้เรียนรู้ตัวอย่างนี้: เรียนรู้ได้ไม่เกิน %1 ตัวอย่าง กด ล้าง เพื่อเริ่มใหม่</translation>
    </message>
    <message>
        <source>Cannot Predict</source>
        <translation>ทำนายไม่ได้</translation>
    </message>
    <message>
        <source>Please input Data to Learning Before Predicting Unseen Data</source>
        <translation>โปรดป้อนข้อมูลการเรียนรู้ก่อนทำนายข้อมูลใหม่</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data</source>
        <translation>ไม่มีสมมติฐานใดสอดคล้องกับข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ผลลัพธ์</translation>
    </message>
    <message>
        <source>Your Data is Positive , Result is +</source>
        <translation>ข้อมูลของคุณเป็นบวก ผลลัพธ์คือ +</translation>
    </message>
    <message>
        <source>Your Data is Negative ,Result is -</source>
        <translation>ข้อมูลของคุณเป็นลบ ผลลัพธ์คือ -</translation>
    </message>
    <message>
        <source>I can&apos;t Predict It ,Result is 0</source>
        <translation>ทำนายไม่ได้ ผลลัพธ์คือ 0</translation>
    </message>
    <message>
        <source>Text File</source>
        <translation>ไฟล์ข้อความ</translation>
    </message>
    <message>
        <source>Your TextFile Generate in Desktop is Hypothesis.txt</source>
        <translation>ไฟล์ข้อความของคุณบนเดสก์ท็อปคือ Hypothesis.txt</translation>
    </message>
    <message>
        <source>The hypothesis file %1 could not be written: %2</source>
        <translation>เขียนไฟล์สมมติฐาน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Diagram</source>
        <translation>แผนภาพ</translation>
    </message>
    <message>
        <source>Version space diagram</source>
        <translation>แผนภาพปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>Open session</source>
        <translation>เปิดเซสชัน</translation>
    </message>
    <message>
        <source>Play to end</source>
        <translation>เล่นจนจบ</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>ข้อความ</translation>
    </message>
    <message>
        <source>vspace has ended</source>
        <translation>vspace สิ้นสุดแล้ว</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>เริ่มใหม่</translation>
    </message>
    <message>
        <source>Back to the lesson</source>
        <translation>กลับไปที่บทเรียน</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>ไม่ได้เปิด %1: %2</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>ขั้นตอน</translation>
    </message>
    <message>
        <source>Textbook</source>
        <translation>ตามตำรา</translation>
    </message>
    <message>
        <source>Suggest example</source>
        <translation>เสนอตัวอย่าง</translation>
    </message>
    <message>
        <source>Suggested %1: %2 of %3 hypotheses accept it.</source>
        <translation>เสนอ %1: สมมติฐาน %2 จาก %3 ยอมรับ</translation>
    </message>
    <message>
        <source>No instance made of the values learnt splits the version space.</source>
        <translation>ไม่มีตัวอย่างจากค่าที่เรียนรู้แล้วที่แบ่งปริภูมิเวอร์ชันได้</translation>
    </message>
    <message>
        <source>The program&apos;s learner and the textbook learner differ:</source>
        <translation>ตัวเรียนรู้ของโปรแกรมและตัวเรียนรู้ตามตำราต่างกัน:</translation>
    </message>
    <message>
        <source>added by the last press</source>
        <translation>เพิ่มโดยการกดครั้งล่าสุด</translation>
    </message>
    <message>
        <source>S, the specific boundary</source>
        <translation>S ขอบเขตเฉพาะ</translation>
    </message>
    <message>
        <source>G, the general boundary</source>
        <translation>G ขอบเขตทั่วไป</translation>
    </message>
    <message>
        <source>The version space between them</source>
        <translation>ปริภูมิเวอร์ชันระหว่างทั้งสอง</translation>
    </message>
    <message>
        <source>S: %1. G: %2. The version space: %3.</source>
        <translation>S: %1 G: %2 ปริภูมิเวอร์ชัน: %3</translation>
    </message>
    <message>
        <source>&amp;Next press</source>
        <translation>กดถัดไป (&amp;N)</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n presses to play.</source>
        <translation>
            <numerusform>เปิด %1 แล้ว: มี %n การกดให้เล่น</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>Playing the session</source>
        <translation>กำลังเล่นเซสชัน</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n presses played</source>
        <translation>
            <numerusform>เล่นแล้ว %1 จาก %n การกด</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %1? The %n examples learnt are set aside; Undo brings them back.</source>
        <translation>
            <numerusform>เปิด %1 หรือไม่? ตัวอย่างที่เรียนแล้ว %n ตัวอย่างจะถูกพักไว้ กด “เลิกทำ” เพื่อนำกลับมา</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>the file holds no presses</source>
        <translation>ไฟล์ไม่มีการกดเลย</translation>
    </message>
    <message>
        <source>%1 more hypotheses of the version space are not drawn</source>
        <translation>ไม่ได้วาดสมมติฐานอีก %1 ข้อของปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>บรรทัด %1: %2</translation>
    </message>
    <message>
        <source>Earlier messages, not listed here: %1</source>
        <translation>ข้อความก่อนหน้า ที่ไม่ได้แสดงที่นี่: %1</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>นำเสนอ</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>ตัวอย่าง</translation>
    </message>
    <message>
        <source>Attributes…</source>
        <translation>คุณลักษณะ…</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>คุณลักษณะ</translation>
    </message>
    <message>
        <source>How many attributes the instances have, from 1 to 16, and their names; this browser keeps them. Empty fields leave attributes unnamed. Another number starts afresh, and Undo takes it back.</source>
        <translation>จำนวนคุณลักษณะของตัวอย่าง ตั้งแต่ 1 ถึง 16 และชื่อของคุณลักษณะ เบราว์เซอร์นี้จะจำไว้ ช่องที่ว่างไว้จะไม่มีชื่อ การเปลี่ยนจำนวนจะเริ่มใหม่ และเลิกทำจะย้อนกลับได้</translation>
    </message>
    <message>
        <source>Attribute %1</source>
        <translation>คุณลักษณะ %1</translation>
    </message>
    <message>
        <source>Number of attributes</source>
        <translation>จำนวนคุณลักษณะ</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>คอลัมน์</translation>
    </message>
    <message>
        <source>How %1 is read: what each column holds, and the words that label examples besides +, -, positive, negative, yes, no, true, false, 1 and 0. This browser keeps the choice for this file.</source>
        <translation>วิธีอ่าน %1: แต่ละคอลัมน์เก็บอะไร และคำที่ใช้ระบุป้ายตัวอย่างนอกจาก +, -, positive, negative, yes, no, true, false, 1 และ 0 เบราว์เซอร์นี้จะจำตัวเลือกสำหรับไฟล์นี้</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>คุณลักษณะ</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ป้าย</translation>
    </message>
    <message>
        <source>Example names</source>
        <translation>ชื่อตัวอย่าง</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>ไม่ใช้</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>คอลัมน์ %1</translation>
    </message>
    <message>
        <source>Positive words (commas between)</source>
        <translation>คำที่เป็นบวก (คั่นด้วยจุลภาค)</translation>
    </message>
    <message>
        <source>Negative words (commas between)</source>
        <translation>คำที่เป็นลบ (คั่นด้วยจุลภาค)</translation>
    </message>
    <message>
        <source>Training value %1: %2</source>
        <translation>ค่าข้อมูลฝึกช่องที่ %1: %2</translation>
    </message>
    <message>
        <source>Unseen value %1: %2</source>
        <translation>ค่าข้อมูลใหม่ช่องที่ %1: %2</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>คุณลักษณะ: %1</translation>
    </message>
    <message>
        <source>the example could not be loaded</source>
        <translation>โหลดตัวอย่างไม่ได้</translation>
    </message>
    <message>
        <source>the page ran out of memory: the rest of the session was not played</source>
        <translation>หน้าเว็บหน่วยความจำไม่พอ: ส่วนที่เหลือของเซสชันไม่ได้เล่น</translation>
    </message>
    <message>
        <source>Save session</source>
        <translation>บันทึกเซสชัน</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>คัดลอกลิงก์</translation>
    </message>
    <message>
        <source>The lesson link</source>
        <translation>ลิงก์บทเรียน</translation>
    </message>
    <message>
        <source>Link copied: %1 characters.</source>
        <translation>คัดลอกลิงก์แล้ว: %1 อักขระ</translation>
    </message>
    <message>
        <source>The address bar holds the link: %1 characters.</source>
        <translation>แถบที่อยู่มีลิงก์แล้ว: %1 อักขระ</translation>
    </message>
    <message>
        <source>it is damaged or cut short</source>
        <translation>ลิงก์เสียหายหรือถูกตัดสั้น</translation>
    </message>
    <message>
        <source>it was made by a newer version of vspace</source>
        <translation>สร้างด้วย vspace รุ่นที่ใหม่กว่า</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>ใบงาน</translation>
    </message>
    <message>
        <source>Lesson report</source>
        <translation>รายงานบทเรียน</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>แบบฝึกหัด</translation>
    </message>
    <message>
        <source>Before it is shown: what do S and G become? Write them a row at a time, a value in each field.</source>
        <translation>ก่อนจะแสดงผล: S และ G จะกลายเป็นอะไร? เขียนทีละแถว ช่องละหนึ่งค่า</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>เพิ่มแถว</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>เอาออก</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>ตรวจคำตอบ</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>ดูเฉลย</translation>
    </message>
    <message>
        <source>right</source>
        <translation>ถูก</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>ผิด</translation>
    </message>
    <message>
        <source>Rows missing: %1</source>
        <translation>แถวที่ขาด: %1</translation>
    </message>
    <message>
        <source>Steps answered right: %1 of %2</source>
        <translation>ขั้นที่ตอบถูก: %1 จาก %2</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 presses. After each: S, the specific boundary; G, the general boundary; the version space between them; the example added to the learning data, which is listed whole at the end. %2 and %3 rows are marked. The version space is drawn after each press that changed it. Each press is explained, and where the program&apos;s learner and the textbook learner differ, a note says how.</source>
        <translation>การกด %1 ครั้ง หลังแต่ละครั้ง: S ขอบเขตเฉพาะ; G ขอบเขตทั่วไป; ปริภูมิเวอร์ชันระหว่างทั้งสอง; ตัวอย่างที่เพิ่มในข้อมูลการเรียนรู้ ซึ่งแสดงทั้งหมดในตอนท้าย แถวที่%2และ%3มีเครื่องหมาย ปริภูมิเวอร์ชันถูกวาดหลังการกดทุกครั้งที่เปลี่ยนมัน การกดแต่ละครั้งมีคำอธิบาย และเมื่อตัวเรียนรู้ของโปรแกรมและตัวเรียนรู้ตามตำราต่างกัน จะมีหมายเหตุบอกว่าต่างกันอย่างไร</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>At the start, S is %1, G is %2 and the version space is %3.</source>
        <translation>ตอนเริ่มต้น S คือ %1, G คือ %2 และปริภูมิเวอร์ชันคือ %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ว่าง</translation>
    </message>
    <message>
        <source>For length, only the last %1 of the %2 drawings are drawn; the earlier ones are left out.</source>
        <translation>เพื่อไม่ให้ยาวเกินไป จึงวาดเพียง %1 ภาพสุดท้ายจาก %2 ภาพ ภาพก่อนหน้านั้นถูกละไว้</translation>
    </message>
    <message>
        <source>Each hypothesis of S (green), G (yellow) and the version space, joined to those directly more general than it.</source>
        <translation>สมมติฐานแต่ละตัวของ S (เขียว), G (เหลือง) และปริภูมิเวอร์ชัน เชื่อมกับสมมติฐานที่ทั่วไปกว่าโดยตรง</translation>
    </message>
    <message>
        <source>The learning data at the end</source>
        <translation>ข้อมูลการเรียนรู้ตอนท้าย</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>การกดครั้งที่ %1: %2</translation>
    </message>
    <message>
        <source>Training instance</source>
        <translation>ตัวอย่างสำหรับฝึก</translation>
    </message>
    <message>
        <source>Unseen instance</source>
        <translation>ตัวอย่างใหม่</translation>
    </message>
    <message>
        <source>Message %1</source>
        <translation>ข้อความ %1</translation>
    </message>
    <message>
        <source>S (Specific)</source>
        <translation>S (เฉพาะ)</translation>
    </message>
    <message>
        <source>G (General)</source>
        <translation>G (ทั่วไป)</translation>
    </message>
    <message>
        <source>Version space</source>
        <translation>ปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>Learning data</source>
        <translation>ข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ป้ายกำกับ</translation>
    </message>
    <message>
        <source>The attributes: %1.</source>
        <translation>แอตทริบิวต์: %1</translation>
    </message>
    <message>
        <source>(1 row)</source>
        <translation>(1 แถว)</translation>
    </message>
    <message>
        <source>(%1 rows)</source>
        <translation>(%1 แถว)</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(ไม่เปลี่ยน)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ว่าง)</translation>
    </message>
    <message>
        <source>(Graphviz could not lay out the diagram.)</source>
        <translation>(Graphviz จัดวางแผนภาพไม่ได้)</translation>
    </message>
    <message>
        <source>(Graphviz could not draw the diagram.)</source>
        <translation>(Graphviz วาดแผนภาพไม่ได้)</translation>
    </message>
    <message>
        <source>(This build of vspace-replay draws no diagrams.)</source>
        <translation>(vspace-replay รุ่นนี้ไม่วาดแผนภาพ)</translation>
    </message>
    <message>
        <source>vspace worksheet: %1</source>
        <translation>ใบงาน vspace: %1</translation>
    </message>
    <message>
        <source>After each example, write S and G as the program's learner has them; after each prediction, the vote. The answer key follows.</source>
        <translation>หลังแต่ละตัวอย่าง ให้เขียน S และ G ตามที่ตัวเรียนรู้ของโปรแกรมมี และหลังการทำนายแต่ละครั้ง ให้เขียนผลโหวต เฉลยอยู่ท้ายใบงาน</translation>
    </message>
    <message>
        <source>After each example, write S and G as the textbook learner has them; after each prediction, the vote. The answer key follows.</source>
        <translation>หลังแต่ละตัวอย่าง ให้เขียน S และ G ตามที่ตัวเรียนรู้ตามตำรามี และหลังการทำนายแต่ละครั้ง ให้เขียนผลโหวต เฉลยอยู่ท้ายใบงาน</translation>
    </message>
    <message>
        <source>Positive, negative or undecided?</source>
        <translation>บวก ลบ หรือยังตัดสินไม่ได้?</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>เฉลย</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Positive</source>
        <translation>บวก</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>ทำนาย</translation>
    </message>
    <message>
        <source>Gen Text</source>
        <translation>สร้างไฟล์</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ออก (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>ล้าง (&amp;C)</translation>
    </message>
    <message>
        <source>Unseen Data</source>
        <translation>ข้อมูลใหม่</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>ข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>Hypothesis</source>
        <translation>สมมติฐาน</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>ปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>เฉพาะ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
</context>
</TS>
